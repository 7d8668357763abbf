#include "imaging/BmpFileImage.h"

#include <new>

#include "imaging/ByteReading.h"

namespace qv::imaging {

ByteBuffer BuildBmpFileImage(int width, int height, const std::uint8_t* rgbTopDown,
                             long long rgbStride) {
  constexpr std::uint32_t kHeadersSize = 54;
  if (width < 1 || height < 1 || !rgbTopDown || rgbStride < 3LL * width) return {};
  const long long stride = BmpStride24(width);
  const long long imageSize = stride * height;
  if (imageSize > 0xFFFFFFFFLL - kHeadersSize) return {};

  ByteBuffer file;
  try {
    file.assign(std::size_t(kHeadersSize + imageSize), 0);
  } catch (const std::bad_alloc&) {
    return {};
  }
  std::uint8_t* p = file.data();
  p[0] = 'B';
  p[1] = 'M';
  PutLe32(p + 2, std::uint32_t(kHeadersSize + imageSize));
  PutLe32(p + 10, kHeadersSize);
  PutLe32(p + 14, 40);
  PutLe32(p + 18, std::uint32_t(width));
  PutLe32(p + 22, std::uint32_t(height));
  PutLe16(p + 26, 1);
  PutLe16(p + 28, 24);
  PutLe32(p + 34, std::uint32_t(imageSize));
  // Compression, resolution and colour counts stay 0.

  for (int y = 0; y < height; ++y) {
    const std::uint8_t* src = rgbTopDown + (long long)(height - 1 - y) * rgbStride;
    std::uint8_t* dst = p + kHeadersSize + (long long)y * stride;
    for (int x = 0; x < width; ++x, src += 3, dst += 3) {
      dst[0] = src[2];
      dst[1] = src[1];
      dst[2] = src[0];
    }
  }
  return file;
}

}  // namespace qv::imaging
