#pragma once
// Rasterises an icon design into straight-alpha RGBA pixels.
#include <cstdint>
#include <vector>

#include "IconDesign.h"

namespace qv::artgen {

// `pixelSize` x `pixelSize` pixels, 4 bytes each (R, G, B, A), rows top first.
std::vector<std::uint8_t> RasterizeIcon(const IconDesign& design, int pixelSize);

}  // namespace qv::artgen
