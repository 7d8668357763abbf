#include "JpegEncoder.h"

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace qv::testsupport {

std::vector<std::uint8_t> EncodeJpeg(int width, int height, const std::vector<std::uint8_t>& pixels,
                                     const JpegOptions& options) {
  jpeg_compress_struct info{};
  jpeg_error_mgr err{};
  info.err = jpeg_std_error(&err);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = JDIMENSION(width);
  info.image_height = JDIMENSION(height);
  info.input_components = options.components;
  info.in_color_space = options.components == 1   ? JCS_GRAYSCALE
                        : options.components == 4 ? JCS_CMYK
                                                  : JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, options.quality, TRUE);
  if (options.progressive) jpeg_simple_progression(&info);
  jpeg_start_compress(&info, TRUE);
  const std::size_t stride = std::size_t(width) * options.components;
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(pixels.data() + info.next_scanline * stride);
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::vector<std::uint8_t> out(buffer, buffer + size);
  std::free(buffer);
  return out;
}

}  // namespace qv::testsupport
