#pragma once
// PNG encoding with libpng: 8-bit RGBA, no timestamps, so output is stable.
#include <cstdint>
#include <vector>

namespace qv::artgen {

// Encodes `rgba` (width x height pixels, 4 bytes each, rows top first).
// Returns an empty vector if libpng reports an error.
std::vector<std::uint8_t> EncodeRgbaPng(const std::vector<std::uint8_t>& rgba, int width,
                                        int height);

}  // namespace qv::artgen
