#pragma once
// Small in-memory pictures for picture box tests.
#include <cstdint>
#include <functional>

#include "runtime/ByteBuffer.h"
#include "runtime/WindowLayout.h"

namespace qv::test {

// A 24-bit bottom-up BMP file image whose pixel (x, y), y from the top, is colour(x, y).
inline ByteBuffer MakeBmp24(int w, int h, const std::function<Rgb(int, int)>& colour) {
  const int stride = (w * 3 + 3) & ~3;
  const std::uint32_t size = 54 + std::uint32_t(stride) * std::uint32_t(h);
  ByteBuffer b(size, 0);
  auto put16 = [&](std::size_t at, std::uint32_t v) { b[at] = v & 0xff; b[at + 1] = v >> 8 & 0xff; };
  auto put32 = [&](std::size_t at, std::uint32_t v) {
    put16(at, v & 0xffff);
    put16(at + 2, v >> 16);
  };
  b[0] = 'B';
  b[1] = 'M';
  put32(2, size);
  put32(10, 54);
  put32(14, 40);
  put32(18, std::uint32_t(w));
  put32(22, std::uint32_t(h));
  put16(26, 1);
  put16(28, 24);
  for (int y = 0; y < h; ++y) {
    std::uint8_t* row = b.data() + 54 + std::size_t(h - 1 - y) * stride;
    for (int x = 0; x < w; ++x) {
      const Rgb c = colour(x, y);
      row[x * 3] = c.b;
      row[x * 3 + 1] = c.g;
      row[x * 3 + 2] = c.r;
    }
  }
  return b;
}

}  // namespace qv::test
