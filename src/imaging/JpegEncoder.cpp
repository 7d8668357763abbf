#include "imaging/JpegEncoder.h"

#include <memory>

#include "imaging/JpegSupport.h"

namespace qv::imaging {
namespace {

struct EncodeState {
  jpeg_compress_struct info{};
  JpegErrorTrap trap{};
  std::vector<std::uint8_t> row;
};

void RgbToGrey(const std::uint8_t* rgb, std::uint8_t* grey, int width) {
  for (int x = 0; x < width; ++x, rgb += 3)
    grey[x] = std::uint8_t((77 * rgb[0] + 150 * rgb[1] + 29 * rgb[2] + 128) >> 8);
}

void GreyToRgb(const std::uint8_t* grey, std::uint8_t* rgb, int width) {
  for (int x = 0; x < width; ++x, rgb += 3) rgb[0] = rgb[1] = rgb[2] = grey[x];
}

}  // namespace

bool EncodeJpeg(const Raster& picture, std::FILE* out, const JpegEncodeSettings& settings) {
  const int components = settings.greyscale ? 1 : 3;
  const bool convert = picture.components != components;
  auto state = std::make_unique<EncodeState>();
  EncodeState* const s = state.get();
  if (convert && !TryResize(s->row, std::uint64_t(picture.width) * components)) return false;

  s->info.err = InstallJpegErrorTrap(s->trap);
  if (setjmp(s->trap.jump)) {
    jpeg_destroy_compress(&s->info);
    return false;
  }
  jpeg_create_compress(&s->info);
  jpeg_stdio_dest(&s->info, out);
  s->info.image_width = JDIMENSION(picture.width);
  s->info.image_height = JDIMENSION(picture.height);
  s->info.input_components = components;
  s->info.in_color_space = settings.greyscale ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&s->info);
  s->info.optimize_coding = settings.optimizeHuffman ? TRUE : FALSE;
  s->info.smoothing_factor = settings.smoothing;
  jpeg_set_quality(&s->info, settings.quality, TRUE);
  jpeg_start_compress(&s->info, TRUE);

  const std::size_t stride = std::size_t(picture.width) * picture.components;
  while (s->info.next_scanline < s->info.image_height) {
    const std::uint8_t* source = picture.pixels.data() + s->info.next_scanline * stride;
    JSAMPROW row = const_cast<JSAMPROW>(source);
    if (convert) {
      row = s->row.data();
      if (settings.greyscale)
        RgbToGrey(source, row, picture.width);
      else
        GreyToRgb(source, row, picture.width);
    }
    jpeg_write_scanlines(&s->info, &row, 1);
  }
  jpeg_finish_compress(&s->info);
  jpeg_destroy_compress(&s->info);
  return true;
}

}  // namespace qv::imaging
