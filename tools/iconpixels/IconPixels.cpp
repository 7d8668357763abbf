// Turns a PNG icon into the pixel block the program embeds, so that no PNG
// is decoded at start-up: width and height as 32-bit little-endian numbers,
// then the rows top to bottom, each pixel as blue, green, red, alpha
// (straight, not premultiplied).
// Usage: qv_icon_pixels <icon.png> <out.pixels>
#include <png.h>

#include <cstdint>
#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <icon.png> <out.pixels>\n", argv[0]);
    return 2;
  }
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, argv[1])) {
    std::fprintf(stderr, "%s: %s\n", argv[1], image.message);
    return 1;
  }
  image.format = PNG_FORMAT_BGRA;
  std::vector<std::uint8_t> block(8 + std::size_t(PNG_IMAGE_SIZE(image)));
  for (int i = 0; i < 4; ++i) {
    block[i] = std::uint8_t(image.width >> (8 * i));
    block[4 + i] = std::uint8_t(image.height >> (8 * i));
  }
  if (!png_image_finish_read(&image, nullptr, block.data() + 8, 0, nullptr)) {
    std::fprintf(stderr, "%s: %s\n", argv[1], image.message);
    return 1;
  }
  std::FILE* out = std::fopen(argv[2], "wb");
  const bool written = out && std::fwrite(block.data(), 1, block.size(), out) == block.size();
  if (out && std::fclose(out) != 0) return 1;
  if (!written) {
    std::fprintf(stderr, "cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
