#include "ImageReaders.h"

#include <csetjmp>
#include <cstdio>
#include <fstream>
#include <iterator>
// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>
#include <png.h>

namespace qv::artgen::test {

std::optional<Bytes> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string AssetPath(const std::string& fileName) {
  return std::string(QV_ASSETS_DIR) + "/" + fileName;
}

namespace {

struct JpegErrors {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

void JumpOnError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->jump, 1);
}

void IgnoreMessage(j_common_ptr) {}

// No C++ objects with destructors live across the setjmp.
bool DecodeInto(jpeg_decompress_struct* info, JpegErrors* errors, const Bytes& bytes,
                JpegInfo* out) {
  if (setjmp(errors->jump)) return false;
  jpeg_mem_src(info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(info, TRUE);
  out->progressive = info->progressive_mode;
  out->ycbcr = info->jpeg_color_space == JCS_YCbCr;
  out->components = info->num_components;
  info->out_color_space = JCS_RGB;
  jpeg_start_decompress(info);
  out->width = static_cast<int>(info->output_width);
  out->height = static_cast<int>(info->output_height);
  out->rgb.resize(std::size_t(out->width) * out->height * 3);
  while (info->output_scanline < info->output_height) {
    JSAMPROW row = &out->rgb[std::size_t(info->output_scanline) * out->width * 3];
    jpeg_read_scanlines(info, &row, 1);
  }
  jpeg_finish_decompress(info);
  out->warnings = errors->manager.num_warnings;
  return true;
}

}  // namespace

std::optional<JpegInfo> DecodeJpeg(const Bytes& bytes) {
  jpeg_decompress_struct info{};
  JpegErrors errors{};
  info.err = jpeg_std_error(&errors.manager);
  errors.manager.error_exit = JumpOnError;
  errors.manager.output_message = IgnoreMessage;
  jpeg_create_decompress(&info);
  JpegInfo out;
  const bool ok = DecodeInto(&info, &errors, bytes, &out);
  jpeg_destroy_decompress(&info);
  if (!ok) return std::nullopt;
  return out;
}

std::optional<RgbaImage> DecodePng(const Bytes& bytes) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return std::nullopt;
  image.format = PNG_FORMAT_RGBA;
  RgbaImage out;
  out.width = static_cast<int>(image.width);
  out.height = static_cast<int>(image.height);
  out.rgba.resize(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, out.rgba.data(), 0, nullptr)) {
    png_image_free(&image);
    return std::nullopt;
  }
  return out;
}

}  // namespace qv::artgen::test
