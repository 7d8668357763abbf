// The Linux implementation of the OS layer: files, attributes, the
// executable's location and shared libraries.
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "runtime/Platform.h"

namespace qv::platform {
namespace {

constexpr const char* kAttributeName = "user.DOSATTRIB";

std::string ParentFolder(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// Writes all of `size` bytes, retrying short writes and interruptions.
WriteError WriteAll(int fd, const std::uint8_t* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno == ENOSPC || errno == EFBIG || errno == EDQUOT ? WriteError::DiskFull
                                                                  : WriteError::IoError;
    }
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return WriteError::None;
}

}  // namespace

EntryType TypeOf(const std::string& hostPath) {
  struct stat info {};
  if (hostPath.empty() || ::stat(hostPath.c_str(), &info) != 0) {
    // A dangling link is still a directory entry of that name.
    if (!hostPath.empty() && ::lstat(hostPath.c_str(), &info) == 0) return EntryType::Other;
    return EntryType::Missing;
  }
  if (S_ISREG(info.st_mode)) return EntryType::File;
  if (S_ISDIR(info.st_mode)) return EntryType::Directory;
  return EntryType::Other;
}

bool MakeFolders(const std::string& hostPath) {
  if (hostPath.empty()) return false;
  const EntryType type = TypeOf(hostPath);
  if (type == EntryType::Directory) return true;
  if (type != EntryType::Missing) return false;
  const std::string parent = ParentFolder(hostPath);
  if (parent != hostPath && !MakeFolders(parent)) return false;
  if (::mkdir(hostPath.c_str(), 0777) != 0 && errno != EEXIST) return false;
  return TypeOf(hostPath) == EntryType::Directory;
}

ByteBuffer ReadFile(const std::string& hostPath) {
  ByteBuffer bytes;
  if (hostPath.empty()) return bytes;
  const int fd = ::open(hostPath.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return bytes;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size <= 0) {
    ::close(fd);
    return bytes;
  }
  try {
    bytes.resize(static_cast<std::size_t>(info.st_size));
  } catch (const std::bad_alloc&) {
    ::close(fd);
    return {};
  }
  std::size_t got = 0;
  while (got < bytes.size()) {
    const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
    if (n < 0) {
      if (errno == EINTR) continue;
      ::close(fd);
      return {};
    }
    if (n == 0) break;  // the file shrank meanwhile: keep what arrived
    got += static_cast<std::size_t>(n);
  }
  ::close(fd);
  bytes.resize(got);
  return bytes;
}

WriteError WriteFileAtomically(const std::string& hostPath, std::initializer_list<ByteView> parts) {
  if (hostPath.empty()) return WriteError::EmptyPath;
  const std::string folder = ParentFolder(hostPath);
  if (TypeOf(folder) != EntryType::Directory) return WriteError::NoFolder;
  const EntryType existing = TypeOf(hostPath);
  if (existing == EntryType::Directory || existing == EntryType::Other) return WriteError::NotAFile;
  if (existing == EntryType::File && IsReadOnly(hostPath)) return WriteError::ReadOnlyTarget;

  static std::atomic<unsigned> counter{0};
  const std::string temporary = hostPath + ".part-" + std::to_string(::getpid()) + "-" +
                                std::to_string(counter.fetch_add(1));
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return WriteError::OpenFailed;

  WriteError error = WriteError::None;
  for (const ByteView part : parts) {
    if (part.empty()) continue;
    error = WriteAll(fd, part.data(), part.size());
    if (error != WriteError::None) break;
  }
  if (error == WriteError::None && ::fsync(fd) != 0) {
    error = errno == ENOSPC || errno == EDQUOT ? WriteError::DiskFull : WriteError::IoError;
  }
  // Keep the mode of the file being replaced.
  struct stat info {};
  if (error == WriteError::None && existing == EntryType::File &&
      ::stat(hostPath.c_str(), &info) == 0) {
    ::fchmod(fd, info.st_mode & 07777);
  }
  if (::close(fd) != 0 && error == WriteError::None) error = WriteError::IoError;
  if (error == WriteError::None && ::rename(temporary.c_str(), hostPath.c_str()) != 0) {
    error = WriteError::IoError;
  }
  if (error != WriteError::None) {
    ::unlink(temporary.c_str());
    return error;
  }
  // Make the rename itself durable.
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return WriteError::None;
}

std::string DescribeWriteError(WriteError error) {
  switch (error) {
    case WriteError::None: return "";
    case WriteError::EmptyPath: return "没有给出文件名";
    case WriteError::NoFolder: return "找不到文件夹或驱动器";
    case WriteError::ReadOnlyTarget: return "文件是只读的";
    case WriteError::NotAFile: return "同名的文件夹已存在";
    case WriteError::OpenFailed: return "无法创建文件";
    case WriteError::DiskFull: return "磁盘已满";
    case WriteError::IoError: return "写入时出错";
  }
  return "写入时出错";
}

std::optional<int> ReadAttributes(const std::string& hostPath) {
  char text[64] = {};
  const ssize_t n = ::getxattr(hostPath.c_str(), kAttributeName, text, sizeof text - 1);
  if (n < 0) {
    if (errno == ENODATA) return 0;
    return std::nullopt;
  }
  text[n] = '\0';
  char* end = nullptr;
  const long value = std::strtol(text, &end, 0);
  if (end == text || value < 0 || value > INT_MAX) return 0;
  return static_cast<int>(value);
}

bool IsReadOnly(const std::string& hostPath) {
  struct stat info {};
  if (::stat(hostPath.c_str(), &info) != 0) return false;
  if ((info.st_mode & S_IWUSR) == 0) return true;
  const std::optional<int> flags = ReadAttributes(hostPath);
  return flags && (*flags & 0x01) != 0;
}

bool WriteAttributes(const std::string& hostPath, int flags) {
  struct stat info {};
  if (::stat(hostPath.c_str(), &info) != 0) return false;
  char text[16];
  const int length = std::snprintf(text, sizeof text, "0x%x", static_cast<unsigned>(flags));
  if (::setxattr(hostPath.c_str(), kAttributeName, text, static_cast<std::size_t>(length), 0) != 0) {
    return false;
  }
  const mode_t mode = (flags & 0x01) ? (info.st_mode & ~mode_t(S_IWUSR | S_IWGRP | S_IWOTH))
                                     : (info.st_mode | S_IWUSR);
  return ::chmod(hostPath.c_str(), mode & 07777) == 0;
}

std::string ExecutableDirectory() {
  char path[PATH_MAX + 1];
  const ssize_t n = ::readlink("/proc/self/exe", path, PATH_MAX);
  if (n <= 0) return ".";
  path[n] = '\0';
  std::string full(path);
  const auto slash = full.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return full.substr(0, slash);  // "" for a program at the root
}

bool SetCurrentDirectory(const std::string& hostPath) {
  return ::chdir(hostPath.empty() ? "/" : hostPath.c_str()) == 0;
}

LibraryHandle OpenLibrary(const std::string& pathOrName) {
  if (pathOrName.empty()) return nullptr;
  // A file that is no loadable library makes dlopen fail cleanly.
  return ::dlopen(pathOrName.c_str(), RTLD_NOW | RTLD_LOCAL);
}

void* FindSymbol(LibraryHandle library, const std::string& name) {
  if (library == nullptr) return nullptr;
  return ::dlsym(library, name.c_str());
}

void CloseLibrary(LibraryHandle library) {
  if (library != nullptr) ::dlclose(library);
}

bool PrefaultHeap(std::size_t bytes) {
#if defined(MADV_POPULATE_WRITE)
  void* block = std::malloc(bytes);
  if (block == nullptr) return false;
  const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
  const auto address = reinterpret_cast<std::uintptr_t>(block);
  const std::uintptr_t start = (address + page - 1) & ~(page - 1);
  const std::uintptr_t end = (address + bytes) & ~(page - 1);
  // Only a block carved from the heap's top stays mapped once freed; one the
  // allocator mapped on its own is unmapped by free().
  const bool inHeap = address + bytes <= reinterpret_cast<std::uintptr_t>(sbrk(0));
  std::free(block);
  if (!inHeap || end <= start) return false;
  return madvise(reinterpret_cast<void*>(start), end - start, MADV_POPULATE_WRITE) == 0;
#else
  (void)bytes;
  return false;
#endif
}

std::optional<std::string> Environment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0') return std::nullopt;
  return std::string(value);
}

}  // namespace qv::platform
