#include "PngFile.h"

#include <png.h>

#include <csetjmp>

namespace qv::artgen {

namespace {

void AppendBytes(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

void NoFlush(png_structp) {}

// Runs the libpng calls; kept free of C++ objects with destructors because
// libpng reports errors by longjmp.
bool WritePng(png_structp png, png_infop info, std::vector<std::uint8_t>* out,
              png_bytepp rows, int width, int height) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_write_fn(png, out, AppendBytes, NoFlush);
  png_set_compression_level(png, 9);
  png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
               PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_set_sRGB(png, info, PNG_sRGB_INTENT_PERCEPTUAL);
  png_write_info(png, info);
  png_write_image(png, rows);
  png_write_end(png, nullptr);
  return true;
}

}  // namespace

std::vector<std::uint8_t> EncodeRgbaPng(const std::vector<std::uint8_t>& rgba, int width,
                                        int height) {
  std::vector<std::uint8_t> out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!png) return out;
  png_infop info = png_create_info_struct(png);
  std::vector<png_bytep> rows(static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y) {
    rows[y] = const_cast<png_bytep>(&rgba[static_cast<std::size_t>(y) * width * 4]);
  }
  const bool ok = info && WritePng(png, info, &out, rows.data(), width, height);
  png_destroy_write_struct(&png, info ? &info : nullptr);
  if (!ok) out.clear();
  return out;
}

}  // namespace qv::artgen
