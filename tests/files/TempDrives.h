#pragma once
// A temporary folder standing for the drives, through QUORVANE_DRIVES.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "runtime/ByteBuffer.h"

namespace qv::test {

class TempDrives {
 public:
  TempDrives() {
    char pattern[] = "/tmp/qv-drives-XXXXXX";
    root_ = ::mkdtemp(pattern);
    ::setenv("QUORVANE_DRIVES", root_.c_str(), 1);
  }
  ~TempDrives() {
    std::error_code ignored;
    std::filesystem::permissions(root_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(root_, ignored);
    ::unsetenv("QUORVANE_DRIVES");
  }
  const std::string& Root() const { return root_; }
  std::string Drive(char letter) const { return root_ + "/" + letter; }
  // The host path of a file on a drive, e.g. Host('D', "1.bmp").
  std::string Host(char letter, const std::string& name) const {
    return Drive(letter) + "/" + name;
  }
  // Makes the drive's folder a regular file, so the drive counts as missing.
  void BlockDrive(char letter) const { WriteHostFile(Drive(letter), "not a folder"); }

  static void WriteHostFile(const std::string& path, const std::string& content) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << content;
  }
  static std::string ReadHostFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

 private:
  std::string root_;
};

inline ByteView View(const std::string& text) {
  return ByteView(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

}  // namespace qv::test
