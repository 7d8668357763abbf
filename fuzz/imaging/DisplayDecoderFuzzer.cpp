// Fuzz target: picture-box decoding of every kind.
#include <cstddef>
#include <cstdint>

#include "imaging/DisplayDecoders.h"

namespace {
// Small enough that one input decodes in milliseconds.
constexpr std::uint64_t kFuzzPixelBudget = 4'000'000;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  qv::ByteView bytes(data, size);
  // Odd lengths also try the scaled JPEG path.
  int drawWidth = size % 2 ? 342 : 0, drawHeight = size % 2 ? 574 : 0;
  auto picture =
      qv::imaging::DecodePictureWithinBudget(bytes, drawWidth, drawHeight, kFuzzPixelBudget);
  if (!picture) return 0;
  const auto& image = picture->image;
  if (image.pixels.size() != std::size_t(image.width) * image.height * 3) __builtin_trap();
  // Touch every byte so a sanitizer sees any read of unset memory.
  unsigned sum = 0;
  for (std::uint8_t b : image.pixels) sum += b;
  for (std::uint8_t b : picture->iconFile) sum += b;
  volatile unsigned sink = sum;
  (void)sink;
  return 0;
}
