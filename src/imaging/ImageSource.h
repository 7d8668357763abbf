#pragma once
// Random-access byte sources the decoders read from: a block in memory or an
// open file. Reads past the end come up short; nothing reads past a buffer.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "runtime/ByteBuffer.h"

namespace qv::imaging {

class ImageSource {
 public:
  virtual ~ImageSource() = default;
  virtual std::uint64_t Size() const = 0;
  // Copies up to `count` bytes from `offset`; returns how many were copied.
  virtual std::size_t ReadAt(std::uint64_t offset, void* out, std::size_t count) = 0;

  bool ReadExact(std::uint64_t offset, void* out, std::size_t count) {
    return ReadAt(offset, out, count) == count;
  }
};

class MemorySource final : public ImageSource {
 public:
  explicit MemorySource(ByteView bytes) : bytes_(bytes) {}
  std::uint64_t Size() const override { return bytes_.size(); }
  std::size_t ReadAt(std::uint64_t offset, void* out, std::size_t count) override;

 private:
  ByteView bytes_;
};

class FileSource final : public ImageSource {
 public:
  // Opens a regular file for reading; null when it cannot be opened or is
  // not a regular file.
  static std::unique_ptr<FileSource> Open(const std::string& path);
  ~FileSource() override;
  FileSource(const FileSource&) = delete;
  FileSource& operator=(const FileSource&) = delete;

  std::uint64_t Size() const override { return size_; }
  std::size_t ReadAt(std::uint64_t offset, void* out, std::size_t count) override;

 private:
  FileSource(int fd, std::uint64_t size) : fd_(fd), size_(size) {}
  int fd_;
  std::uint64_t size_;
};

}  // namespace qv::imaging
