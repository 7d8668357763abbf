// Fuzz target: the converter's readers in their order, then the encoder on
// whatever they decoded.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "imaging/JpegEncoder.h"
#include "imaging/SourceReaders.h"

namespace {
constexpr std::uint64_t kFuzzPixelBudget = 4'000'000;
constexpr std::size_t kEncodeBudget = 256 * 1024;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  qv::imaging::MemorySource source(qv::ByteView(data, size));
  qv::imaging::Raster raster;
  if (qv::imaging::ReadConverterSource(source, kFuzzPixelBudget, raster) !=
      qv::imaging::ReadOutcome::Ok)
    return 0;
  if (raster.width < 1 || raster.height < 1) return 0;
  if (raster.pixels.size() != std::size_t(raster.width) * raster.height * raster.components)
    __builtin_trap();
  if (std::size_t(raster.width) * raster.height > kEncodeBudget) return 0;
  char* buffer = nullptr;
  std::size_t length = 0;
  std::FILE* out = open_memstream(&buffer, &length);
  if (!out) return 0;
  qv::imaging::JpegEncodeSettings settings{size % 2 == 1, int(size % 100) + 1, true, 0};
  qv::imaging::EncodeJpeg(raster, out, settings);
  std::fclose(out);
  std::free(buffer);
  return 0;
}
