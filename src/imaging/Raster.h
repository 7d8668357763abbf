#pragma once
// A decoded picture: top row first, rows packed, 1 (grey) or 3 (red, green,
// blue) bytes a pixel. Plus the size checks every decoder applies first.
#include <cstdint>
#include <vector>

namespace qv::imaging {

struct Raster {
  int width = 0;
  int height = 0;
  int components = 0;
  std::vector<std::uint8_t> pixels;
  // The picture's own size when it was decoded at a smaller scale; 0 when
  // width and height are its own size.
  int ownWidth = 0;
  int ownHeight = 0;
};

// True when width x height is a positive size of at most maxPixels pixels.
inline bool WithinPixelBudget(std::uint64_t width, std::uint64_t height, std::uint64_t maxPixels) {
  if (width == 0 || height == 0 || width > maxPixels || height > maxPixels) return false;
  return width <= maxPixels / height;
}

// Resizes without throwing; false when the memory cannot be reserved.
bool TryResize(std::vector<std::uint8_t>& buffer, std::uint64_t size);

// Sizes the raster for width x height x components; false when it cannot.
bool AllocateRaster(Raster& raster, int width, int height, int components);

}  // namespace qv::imaging
