#include "imaging/ByteReading.h"
#include "imaging/SourceReaders.h"

namespace qv::imaging {

ReadOutcome ReadBmp24(ImageSource& source, std::uint64_t maxPixels, Raster& out) {
  std::uint8_t fileHeader[14];
  std::uint8_t type[2];
  if (!source.ReadExact(0, type, 2) || type[0] != 'B' || (type[1] != 'M' && type[1] != 'A'))
    return ReadOutcome::NotMine;
  if (!source.ReadExact(0, fileHeader, sizeof fileHeader)) return ReadOutcome::Failed;
  const std::uint64_t pixelStart = Le32(fileHeader + 10);

  // The information header (and any colour table) runs from 14 to bfOffBits.
  std::uint8_t info[40] = {};
  if (pixelStart < 14 + 4 || pixelStart > source.Size()) return ReadOutcome::Failed;
  const std::size_t infoBytes = std::size_t(std::min<std::uint64_t>(sizeof info, pixelStart - 14));
  if (!source.ReadExact(14, info, infoBytes)) return ReadOutcome::Failed;
  const std::uint32_t headerSize = Le32(info);

  std::int64_t width = 0, height = 0;
  unsigned bits = 0;
  bool topDown = false;
  if (headerSize == 12) {
    if (infoBytes < 12) return ReadOutcome::Failed;
    width = Le16(info + 4);
    height = Le16(info + 6);
    bits = Le16(info + 10);
  } else {
    if (infoBytes < 40) return ReadOutcome::Failed;
    width = Le32Signed(info + 4);
    height = Le32Signed(info + 8);
    bits = Le16(info + 14);
    const std::uint32_t compression = Le32(info + 16);
    if (width < 1 || height == 0 || compression > 3) return ReadOutcome::NotMine;
    topDown = height < 0;
    if (topDown) height = -height;
  }
  if (bits != 24) return ReadOutcome::NotMine;
  // A core header may give 0 x 0; that empty picture is refused by the encoder.
  if (width == 0 || height == 0) {
    out = Raster{};
    return ReadOutcome::Ok;
  }
  if (!WithinPixelBudget(std::uint64_t(width), std::uint64_t(height), maxPixels))
    return ReadOutcome::Failed;

  const std::uint64_t stride = (std::uint64_t(width) * 24 + 31) / 32 * 4;
  if (pixelStart + stride * std::uint64_t(height) > source.Size()) return ReadOutcome::Failed;
  std::vector<std::uint8_t> row;
  if (!TryResize(row, stride) || !AllocateRaster(out, int(width), int(height), 3))
    return ReadOutcome::Failed;

  const std::size_t outStride = std::size_t(width) * 3;
  for (std::int64_t i = 0; i < height; ++i) {
    if (!source.ReadExact(pixelStart + std::uint64_t(i) * stride, row.data(), row.size()))
      return ReadOutcome::Failed;
    std::int64_t y = topDown ? i : height - 1 - i;
    std::uint8_t* dst = out.pixels.data() + std::size_t(y) * outStride;
    const std::uint8_t* src = row.data();
    for (std::int64_t x = 0; x < width; ++x, src += 3, dst += 3) {
      dst[0] = src[2];
      dst[1] = src[1];
      dst[2] = src[0];
    }
  }
  return ReadOutcome::Ok;
}

}  // namespace qv::imaging
