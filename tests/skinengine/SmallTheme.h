#pragma once
// A small valid theme built in code, for tests that bend one field at a time.
#include "format/Theme.h"

namespace qv::skin::test {

inline Bitmap SolidBitmap(PixelFormat format, int width, int height, std::uint8_t value) {
  Bitmap bitmap;
  bitmap.format = format;
  bitmap.width = width;
  bitmap.height = height;
  bitmap.pixels.assign(std::size_t(width) * height * bitmap.BytesPerPixel(), value);
  return bitmap;
}

inline Theme SmallTheme() {
  Theme theme;
  theme.name = "Test Theme";
  for (int i = 0; i < kColourCount; ++i) theme.colours[i] = 0xFF000000u | (i * 0x070503u);
  for (int i = 0; i < kMetricCount; ++i) theme.metrics[i] = kMetricLimits[i].max;
  for (int id = 0; id < kBitmapCount; ++id) {
    const bool title = id == kTitleActive || id == kTitleInactive;
    theme.bitmaps[id] = SolidBitmap(ExpectedFormat(id), title ? 16 : 12,
                                    title ? kTitleBarHeight : 12, std::uint8_t(40 + id));
    if (id != kGrain) theme.bitmaps[id].margins = {4, title ? 0 : 4, 4, title ? 0 : 4};
  }
  return theme;
}

}  // namespace qv::skin::test
