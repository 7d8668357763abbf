#pragma once
// The 24-bit BMP file image a snapshot is stored as.
#include "runtime/ByteBuffer.h"

namespace qv::imaging {

// Row stride of a 24-bit BMP: three bytes a pixel rounded up to a multiple of 4.
constexpr long long BmpStride24(long long width) { return ((24 * width + 31) / 32) * 4; }

// Builds the file image (14-byte file header, 40-byte info header, bottom-up
// blue-green-red rows, zero padding) from top-down RGB rows of `rgbStride`
// bytes each. Empty when width or height is below 1 or the size overflows.
ByteBuffer BuildBmpFileImage(int width, int height, const std::uint8_t* rgbTopDown,
                             long long rgbStride);

}  // namespace qv::imaging
