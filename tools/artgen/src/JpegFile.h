#pragma once
// Baseline JFIF encoding of a canvas with libjpeg.
#include <cstdint>
#include <vector>

#include "Canvas.h"

namespace qv::artgen {

// The quality that brings the stage picture to about 65 KB.
inline constexpr int kStageJpegQuality = 84;

// Encodes `canvas` as a baseline (sequential, Huffman-optimised) colour JPEG.
std::vector<std::uint8_t> EncodeBaselineJpeg(const Canvas& canvas, int quality);

}  // namespace qv::artgen
