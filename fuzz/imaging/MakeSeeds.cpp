// Writes the seed corpus of the imaging fuzz targets: one small file of each
// kind and variant the decoders know. Usage: imaging_make_fuzz_seeds <folder>
#include <png.h>

#include <cstdio>
#include <string>

#include "TestPictures.h"

using namespace qv::imaging::test;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
    return 2;
  }
  const std::string dir = argv[1];
  int failures = 0;
  auto put = [&](const std::string& name, const qv::ByteBuffer& bytes) {
    if (!WriteFile(dir + "/" + name, bytes)) ++failures;
  };

  std::vector<std::uint8_t> rgb = SmoothRgb(16, 12);
  std::vector<std::uint8_t> grey(16 * 12);
  for (std::size_t i = 0; i < grey.size(); ++i) grey[i] = rgb[i * 3];
  std::vector<std::uint8_t> cmyk;
  for (std::size_t i = 0; i < grey.size(); ++i) cmyk.insert(cmyk.end(), {rgb[i * 3], 200, 90, 255});
  put("colour.jpg", EncodeJpeg(16, 12, rgb, {75, false, 3}));
  put("progressive.jpg", EncodeJpeg(16, 12, rgb, {75, true, 3}));
  put("grey.jpg", EncodeJpeg(16, 12, grey, {75, false, 1}));
  put("cmyk.jpg", EncodeJpeg(16, 12, cmyk, {75, false, 4}));
  qv::ByteBuffer cut = EncodeJpeg(16, 12, rgb, {75, true, 3});
  cut.resize(cut.size() * 2 / 3);
  put("cut-off.jpg", cut);

  std::vector<std::uint32_t> indices, colours;
  for (int i = 0; i < 7 * 5; ++i) {
    indices.push_back(std::uint32_t(i % 4));
    colours.push_back(std::uint32_t(i) * 0x070503u & 0xFFFFFF);
  }
  const std::vector<std::uint32_t> palette = {0x102030, 0xFF0000, 0x00FF00, 0x0000FF};
  put("1bit.bmp",
      MakeBmp(7, 5, std::vector<std::uint32_t>(35, 1), {1, false, 0, 40, {0, 0xFFFFFF}}));
  put("4bit.bmp", MakeBmp(7, 5, indices, {4, false, 0, 40, palette, 4}));
  put("8bit-v5.bmp", MakeBmp(7, 5, indices, {8, false, 0, 124, palette, 4}));
  put("8bit-core.bmp", MakeBmp(7, 5, indices, {8, false, 0, 12, palette}));
  put("24bit.bmp", MakeBmp(7, 5, colours, {24, false, 0, 40, {}}));
  put("24bit-top-down.bmp", MakeBmp(7, 5, colours, {24, true, 0, 40, {}}));
  put("32bit.bmp", MakeBmp(7, 5, colours, {32, false, 0, 40, {}}));
  put("16bit.bmp", MakeBmp(7, 5, colours, {16, false, 0, 40, {}}));

  put("icon.ico", MakeIcon({{16, 0, 16, 16}, {32, 16, 32, 32}}));
  put("cursor.cur", MakeIcon({{16, 0, 16, 16}}, true));
  put("png-entry.ico", MakeIcon({{0, 0, 8, 8, true}}));
  put("animated.gif", MakeGif());

  std::vector<std::uint32_t> pcxPalette(256);
  for (int i = 0; i < 256; ++i) pcxPalette[i] = std::uint32_t(i) * 0x010101u;
  put("8bit.pcx", MakePcx(7, 5, 8, 1, indices, pcxPalette));
  put("1bit.pcx", MakePcx(7, 5, 1, 1, indices));
  put("24bit.pcx", MakePcx(7, 5, 8, 3, colours));

  std::vector<std::uint8_t> rgba;
  for (int i = 0; i < 8 * 8; ++i)
    rgba.insert(rgba.end(), {std::uint8_t(i * 4), 128, 40, std::uint8_t(i * 3)});
  std::vector<std::uint8_t> grey16(8 * 8 * 2, 0x80), packed4(4 * 8, 0x12);
  put("rgba.png", MakePng(8, 8, PNG_COLOR_TYPE_RGBA, 8, rgba));
  put("grey16.png", MakePng(8, 8, PNG_COLOR_TYPE_GRAY, 16, grey16));
  put("palette4-interlaced.png", MakePng(8, 8, PNG_COLOR_TYPE_PALETTE, 4, packed4, true));

  std::vector<std::uint8_t> tiffRgb = SmoothRgb(8, 6);
  if (!WriteTiff(dir + "/rgb.tif", 8, 6, 3, tiffRgb)) ++failures;
  if (!WriteTiff(dir + "/grey.tif", 8, 6, 1, std::vector<std::uint8_t>(48, 99))) ++failures;
  return failures == 0 ? 0 : 1;
}
