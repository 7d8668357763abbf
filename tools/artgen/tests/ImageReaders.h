#pragma once
// Small readers used by the asset tests: whole files, JPEG and PNG decoding.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qv::artgen::test {

using Bytes = std::vector<std::uint8_t>;

// The whole file, or nothing when it cannot be read.
std::optional<Bytes> ReadFile(const std::string& path);

// The committed asset of that file name.
std::string AssetPath(const std::string& fileName);

struct JpegInfo {
  int width = 0;
  int height = 0;
  int components = 0;
  bool progressive = false;
  bool ycbcr = false;
  long warnings = 0;
  Bytes rgb;  // decoded pixels, 3 bytes each
};

// Decodes a JPEG fully; nothing when libjpeg reports an error.
std::optional<JpegInfo> DecodeJpeg(const Bytes& bytes);

struct RgbaImage {
  int width = 0;
  int height = 0;
  Bytes rgba;  // 4 bytes a pixel, straight alpha
  const std::uint8_t* At(int x, int y) const { return &rgba[(std::size_t(y) * width + x) * 4]; }
};

// Decodes a PNG file into 8-bit RGBA; nothing on failure.
std::optional<RgbaImage> DecodePng(const Bytes& bytes);

}  // namespace qv::artgen::test
