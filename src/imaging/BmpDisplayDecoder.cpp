#include <array>
#include <cstdlib>

#include "imaging/ByteReading.h"
#include "imaging/DisplayDecoders.h"

namespace qv::imaging {
namespace {

constexpr std::uint64_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;

struct BmpLayout {
  std::uint64_t width = 0, height = 0;
  bool topDown = false;
  unsigned bits = 0;
  std::uint64_t paletteStart = 0, paletteEntries = 0, paletteEntrySize = 4;
  std::uint64_t pixelStart = 0;
};

bool ReadLayout(ByteView b, BmpLayout& layout) {
  if (b.size() < kFileHeaderSize + 4) return false;
  const std::uint8_t* p = b.data();
  layout.pixelStart = Le32(p + 10);
  std::uint32_t headerSize = Le32(p + 14);
  std::uint32_t compression = 0, colorsUsed = 0;
  if (headerSize == kCoreHeaderSize) {
    if (b.size() < kFileHeaderSize + kCoreHeaderSize) return false;
    layout.width = Le16(p + 18);
    layout.height = Le16(p + 20);
    layout.bits = Le16(p + 24);
    layout.paletteEntrySize = 3;
  } else if (headerSize >= kInfoHeaderSize) {
    if (b.size() < kFileHeaderSize + kInfoHeaderSize) return false;
    layout.width = std::uint64_t(std::llabs(Le32Signed(p + 18)));
    std::int64_t height = Le32Signed(p + 22);
    layout.topDown = height < 0;
    layout.height = std::uint64_t(std::llabs(height));
    layout.bits = Le16(p + 28);
    compression = Le32(p + 30);
    colorsUsed = Le32(p + 46);
  } else {
    return false;
  }
  if (compression != 0) return false;
  if (layout.bits != 1 && layout.bits != 4 && layout.bits != 8 && layout.bits != 24 &&
      layout.bits != 32)
    return false;
  // The colour table follows the information header, whatever its size.
  layout.paletteStart = kFileHeaderSize + headerSize;
  if (layout.bits <= 8) layout.paletteEntries = colorsUsed ? colorsUsed : 1u << layout.bits;
  std::uint64_t tableEnd = layout.paletteStart + layout.paletteEntries * layout.paletteEntrySize;
  return tableEnd <= b.size() && layout.pixelStart >= tableEnd;
}

void DecodeRow(const std::uint8_t* src, std::uint8_t* dst, std::uint64_t width, unsigned bits,
               const std::array<std::uint8_t, 256 * 3>& palette) {
  if (bits >= 24) {
    const unsigned step = bits / 8;
    for (std::uint64_t x = 0; x < width; ++x, src += step, dst += 3) {
      dst[0] = src[2];
      dst[1] = src[1];
      dst[2] = src[0];
    }
    return;
  }
  const unsigned perByte = 8 / bits, mask = (1u << bits) - 1;
  for (std::uint64_t x = 0; x < width; ++x, dst += 3) {
    unsigned shift = 8 - bits * (unsigned(x % perByte) + 1);
    unsigned index = (src[x / perByte] >> shift) & mask;
    const std::uint8_t* colour = &palette[index * 3];
    dst[0] = colour[0];
    dst[1] = colour[1];
    dst[2] = colour[2];
  }
}

}  // namespace

bool DecodeBmpForDisplay(ByteView b, std::uint64_t maxPixels, Raster& out) {
  if (b.size() < 2 || b[0] != 'B' || b[1] != 'M') return false;
  BmpLayout layout;
  if (!ReadLayout(b, layout)) return false;
  if (!WithinPixelBudget(layout.width, layout.height, maxPixels)) return false;

  // Entries the table lacks, and indices past it, stay black.
  std::array<std::uint8_t, 256 * 3> palette{};
  std::uint64_t used = std::min<std::uint64_t>(layout.paletteEntries, 256);
  for (std::uint64_t i = 0; i < used; ++i) {
    const std::uint8_t* entry = b.data() + layout.paletteStart + i * layout.paletteEntrySize;
    palette[i * 3] = entry[2];
    palette[i * 3 + 1] = entry[1];
    palette[i * 3 + 2] = entry[0];
  }

  const std::uint64_t rowBytes = (layout.width * layout.bits + 7) / 8;
  const std::uint64_t stride = (layout.width * layout.bits + 31) / 32 * 4;
  const std::uint64_t lastRowEnd = layout.pixelStart + stride * (layout.height - 1) + rowBytes;
  if (lastRowEnd > b.size()) return false;
  if (!AllocateRaster(out, int(layout.width), int(layout.height), 3)) return false;

  const std::uint64_t outStride = layout.width * 3;
  for (std::uint64_t i = 0; i < layout.height; ++i) {
    std::uint64_t y = layout.topDown ? i : layout.height - 1 - i;
    DecodeRow(b.data() + layout.pixelStart + i * stride, out.pixels.data() + y * outStride,
              layout.width, layout.bits, palette);
  }
  return true;
}

}  // namespace qv::imaging
