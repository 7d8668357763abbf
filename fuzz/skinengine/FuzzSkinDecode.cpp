// Fuzz target: decoding and validating skins, as whole files and as raw
// decompressed content (which reaches the content checks without LZMA).
#include <cstddef>
#include <cstdint>
#include <span>

#include "format/SkinDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  qv::skin::Theme theme;
  if (qv::skin::DecodeSkin(bytes, theme) == kSkinOk) {
    // A decoded theme is whole: every bitmap holds exactly its pixels.
    for (const auto& bitmap : theme.bitmaps) {
      if (bitmap.pixels.size() !=
          std::size_t(bitmap.width) * bitmap.height * bitmap.BytesPerPixel()) {
        __builtin_trap();
      }
    }
  }
  qv::skin::Theme content;
  qv::skin::ParseContent(bytes, content);
  return 0;
}
