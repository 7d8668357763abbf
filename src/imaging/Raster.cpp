#include "imaging/Raster.h"

#include <new>
#include <stdexcept>

namespace qv::imaging {

bool TryResize(std::vector<std::uint8_t>& buffer, std::uint64_t size) {
  if (size > buffer.max_size()) return false;
  try {
    buffer.resize(std::size_t(size));
  } catch (const std::bad_alloc&) {
    return false;
  } catch (const std::length_error&) {
    return false;
  }
  return true;
}

bool AllocateRaster(Raster& raster, int width, int height, int components) {
  if (width < 1 || height < 1 || components < 1) return false;
  raster.width = width;
  raster.height = height;
  raster.components = components;
  return TryResize(raster.pixels,
                   std::uint64_t(width) * std::uint64_t(height) * std::uint64_t(components));
}

}  // namespace qv::imaging
