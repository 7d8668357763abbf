#include "imaging/Raster.h"

#include <sys/mman.h>
#include <unistd.h>

#include <new>
#include <stdexcept>

namespace qv::imaging {
namespace {

// Asks the kernel to back a large, not yet touched block with huge pages
// and to map it in one go: faulting in a decoded picture page by page can
// cost more than decoding it. Only advice; failures are ignored.
void PrepareLargeBlock(std::uint8_t* data, std::size_t size) {
  constexpr std::size_t kPopulateFrom = std::size_t(256) << 10;
  constexpr std::size_t kHugePage = std::size_t(2) << 20;
  if (size < kPopulateFrom) return;
  const std::uintptr_t page = std::uintptr_t(::sysconf(_SC_PAGESIZE));
  const std::uintptr_t start = (std::uintptr_t(data) + page - 1) & ~(page - 1);
  const std::uintptr_t end = (std::uintptr_t(data) + size) & ~(page - 1);
  if (end <= start) return;
#ifdef MADV_HUGEPAGE
  if (size >= 2 * kHugePage) ::madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
#endif
#ifdef MADV_POPULATE_WRITE
  ::madvise(reinterpret_cast<void*>(start), end - start, MADV_POPULATE_WRITE);
#endif
}

}  // namespace

bool TryResize(std::vector<std::uint8_t>& buffer, std::uint64_t size) {
  if (size > buffer.max_size()) return false;
  try {
    if (buffer.empty() && size > buffer.capacity()) {
      buffer.reserve(std::size_t(size));
      PrepareLargeBlock(buffer.data(), std::size_t(size));
    }
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
