#include "imaging/ImageSource.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace qv::imaging {

std::size_t MemorySource::ReadAt(std::uint64_t offset, void* out, std::size_t count) {
  if (offset >= bytes_.size()) return 0;
  std::size_t n = std::min<std::uint64_t>(count, bytes_.size() - offset);
  std::memcpy(out, bytes_.data() + offset, n);
  return n;
}

std::unique_ptr<FileSource> FileSource::Open(const std::string& path) {
  // O_NONBLOCK keeps a FIFO from blocking the open; it is refused just below.
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return nullptr;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0) {
    ::close(fd);
    return nullptr;
  }
  return std::unique_ptr<FileSource>(new FileSource(fd, std::uint64_t(info.st_size)));
}

FileSource::~FileSource() { ::close(fd_); }

std::size_t FileSource::ReadAt(std::uint64_t offset, void* out, std::size_t count) {
  std::size_t done = 0;
  auto* bytes = static_cast<std::uint8_t*>(out);
  while (done < count) {
    ssize_t n = ::pread(fd_, bytes + done, count - done, off_t(offset + done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += std::size_t(n);
  }
  return done;
}

}  // namespace qv::imaging
