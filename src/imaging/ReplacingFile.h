#pragma once
// Writes a file through a temporary beside it: the target is replaced by
// rename only once everything was written, synced to disk and closed without
// error, and the temporary is removed on every other path.
#include <cstdio>
#include <string>

namespace qv::imaging {

class ReplacingFile {
 public:
  ReplacingFile() = default;
  ~ReplacingFile();
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  // Creates the temporary in the target's folder; false when it cannot.
  bool Open(const std::string& targetPath);
  std::FILE* Stream() const { return stream_; }
  // Flushes, closes and renames over the target; false on any error.
  bool Commit();

 private:
  void Discard();
  std::string targetPath_;
  std::string tempPath_;
  std::FILE* stream_ = nullptr;
};

}  // namespace qv::imaging
