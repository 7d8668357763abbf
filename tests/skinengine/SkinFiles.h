#pragma once
// Helpers shared by the skin engine tests: the committed skins and file access.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace qv::skin::test {

inline std::vector<std::uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::string CommittedSkinPath(int number) {
  char name[32];
  std::snprintf(name, sizeof name, "/skin%02d.she", number);
  return std::string(QV_SKINS_DIR) + name;
}

inline std::vector<std::uint8_t> CommittedSkin(int number) {
  return ReadBytes(CommittedSkinPath(number));
}

}  // namespace qv::skin::test
