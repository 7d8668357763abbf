#pragma once
// The list of generated asset files and how each is rendered.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace qv::artgen {

struct Asset {
  std::string fileName;
  std::function<std::vector<std::uint8_t>()> render;
};

std::vector<Asset> AllAssets();

}  // namespace qv::artgen
