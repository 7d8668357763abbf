#pragma once
// Shrinking a decoded picture to the size it is drawn at.
#include <cstdint>
#include <vector>

namespace qv::imaging {

// Shrinks packed RGB rows (3 bytes a pixel, top row first) to width x height,
// each target pixel the average of the source area it covers. The result is
// one 32-bit word a pixel, 0xFFRRGGBB in host byte order, rows packed: the
// layout a 32-bit RGB surface draws without conversion. Empty when the target
// is not within 1 x 1 .. the source size, or when memory runs out.
std::vector<std::uint8_t> ShrinkPicture(const std::uint8_t* rgb, int sourceWidth, int sourceHeight,
                                        int width, int height);

}  // namespace qv::imaging
