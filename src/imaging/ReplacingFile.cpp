#include "imaging/ReplacingFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace qv::imaging {
namespace {

std::atomic<unsigned> tempCounter{0};

// The target's folder with its trailing slash; empty for a bare name.
std::string FolderPrefix(const std::string& target) {
  const std::size_t slash = target.rfind('/');
  return slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
}

std::string TempPathBeside(const std::string& target, unsigned attempt) {
  const std::string folder = FolderPrefix(target);
  const std::string name = target.substr(folder.size());
  return folder + "." + name + "." + std::to_string(::getpid()) + "-" +
         std::to_string(tempCounter.fetch_add(1) + attempt) + ".tmp";
}

// The file a target path names: a symbolic link is followed, so the file it
// points to is the one replaced.
std::string ResolveTarget(const std::string& targetPath) {
  struct stat link {};
  if (::lstat(targetPath.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return targetPath;
  char* real = ::realpath(targetPath.c_str(), nullptr);
  if (!real) return targetPath;
  std::string resolved = real;
  std::free(real);
  return resolved;
}

// Makes a rename in the target's folder durable; only best effort, as the
// file itself is already safe.
void SyncFolderOf(const std::string& target) {
  const std::string prefix = FolderPrefix(target);
  const std::string folder = prefix.empty() ? std::string(".") : prefix;
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

ReplacingFile::~ReplacingFile() { Discard(); }

bool ReplacingFile::Open(const std::string& requestedPath) {
  Discard();
  if (requestedPath.empty() || requestedPath.back() == '/') return false;
  const std::string targetPath = ResolveTarget(requestedPath);
  // An existing file that may not be written is not replaced either.
  if (::access(targetPath.c_str(), F_OK) == 0 && ::access(targetPath.c_str(), W_OK) != 0)
    return false;
  targetPath_ = targetPath;
  for (unsigned attempt = 0; attempt < 16; ++attempt) {
    std::string temp = TempPathBeside(targetPath, attempt);
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
      if (errno == EEXIST) continue;
      return false;
    }
    // A replaced file keeps its permissions.
    struct stat existing {};
    if (::stat(targetPath.c_str(), &existing) == 0 && S_ISREG(existing.st_mode))
      ::fchmod(fd, existing.st_mode & 07777);
    stream_ = ::fdopen(fd, "wb");
    if (!stream_) {
      ::close(fd);
      ::unlink(temp.c_str());
      return false;
    }
    tempPath_ = std::move(temp);
    return true;
  }
  return false;
}

bool ReplacingFile::Commit() {
  if (!stream_) return false;
  // The bytes reach the disk before the rename can put them in the old
  // file's place, so a crash leaves either the old file or the whole new one.
  bool written = std::fflush(stream_) == 0 && !std::ferror(stream_) &&
                 ::fsync(::fileno(stream_)) == 0;
  bool closed = std::fclose(stream_) == 0;
  stream_ = nullptr;
  if (!written || !closed || std::rename(tempPath_.c_str(), targetPath_.c_str()) != 0) {
    Discard();
    return false;
  }
  tempPath_.clear();
  SyncFolderOf(targetPath_);
  return true;
}

void ReplacingFile::Discard() {
  if (stream_) {
    std::fclose(stream_);
    stream_ = nullptr;
  }
  if (!tempPath_.empty()) {
    ::unlink(tempPath_.c_str());
    tempPath_.clear();
  }
}

}  // namespace qv::imaging
