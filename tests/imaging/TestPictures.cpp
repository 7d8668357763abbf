#include "TestPictures.h"

#include <dirent.h>
#include <png.h>
#include <sys/stat.h>
#include <tiffio.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include <jpeglib.h>

namespace qv::imaging::test {
namespace {

void Put16(ByteBuffer& b, std::size_t at, std::uint32_t v) {
  b[at] = std::uint8_t(v);
  b[at + 1] = std::uint8_t(v >> 8);
}

void Put32(ByteBuffer& b, std::size_t at, std::uint32_t v) {
  Put16(b, at, v);
  Put16(b, at + 2, v >> 16);
}

void Append16(ByteBuffer& b, std::uint32_t v) {
  b.push_back(std::uint8_t(v));
  b.push_back(std::uint8_t(v >> 8));
}

void Append32(ByteBuffer& b, std::uint32_t v) {
  Append16(b, v);
  Append16(b, v >> 16);
}

void RleLine(ByteBuffer& out, const std::vector<std::uint8_t>& line) {
  for (std::size_t i = 0; i < line.size();) {
    std::size_t run = 1;
    while (i + run < line.size() && run < 63 && line[i + run] == line[i]) ++run;
    if (run > 1 || line[i] >= 0xC0) out.push_back(std::uint8_t(0xC0 | run));
    out.push_back(line[i]);
    i += run;
  }
}

}  // namespace

std::vector<std::uint8_t> SmoothRgb(int width, int height, int seed) {
  std::vector<std::uint8_t> p(std::size_t(width) * height * 3);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      std::uint8_t* q = &p[(std::size_t(y) * width + x) * 3];
      q[0] = std::uint8_t((x * 255) / std::max(1, width - 1));
      q[1] = std::uint8_t((y * 255) / std::max(1, height - 1));
      q[2] = std::uint8_t(128 + 100 * std::sin((x + y + seed) * 0.05));
    }
  return p;
}

ReferenceDecode DecodeJpegReference(const ByteBuffer& jpeg) {
  jpeg_decompress_struct info{};
  jpeg_error_mgr err{};
  info.err = jpeg_std_error(&err);
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, jpeg.data(), jpeg.size());
  jpeg_read_header(&info, TRUE);
  jpeg_start_decompress(&info);
  ReferenceDecode r;
  r.width = int(info.output_width);
  r.height = int(info.output_height);
  r.components = info.output_components;
  r.pixels.resize(std::size_t(r.width) * r.height * r.components);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = r.pixels.data() + std::size_t(info.output_scanline) * r.width * r.components;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return r;
}

ByteBuffer MakeBmp(int width, int height, const std::vector<std::uint32_t>& values,
                   const BmpOptions& o) {
  const bool core = o.headerSize == 12;
  const std::size_t entrySize = core ? 3 : 4;
  const std::size_t pixelStart = 14 + o.headerSize + o.palette.size() * entrySize + o.gap;
  const std::size_t stride = (std::size_t(width) * o.bits + 31) / 32 * 4;
  ByteBuffer b(pixelStart + stride * height, 0);
  b[0] = 'B';
  b[1] = 'M';
  Put32(b, 2, std::uint32_t(b.size()));
  Put32(b, 10, std::uint32_t(pixelStart));
  Put32(b, 14, o.headerSize);
  if (core) {
    Put16(b, 18, std::uint32_t(width));
    Put16(b, 20, std::uint32_t(height));
    Put16(b, 22, 1);
    Put16(b, 24, std::uint32_t(o.bits));
  } else {
    Put32(b, 18, std::uint32_t(width));
    Put32(b, 22, std::uint32_t(o.topDown ? -height : height));
    Put16(b, 26, 1);
    Put16(b, 28, std::uint32_t(o.bits));
    Put32(b, 30, o.compression);
    Put32(b, 34, std::uint32_t(stride * height));
    Put32(b, 46, o.colorsUsed);
  }
  std::size_t at = 14 + o.headerSize;
  for (std::uint32_t c : o.palette) {
    b[at] = std::uint8_t(c);
    b[at + 1] = std::uint8_t(c >> 8);
    b[at + 2] = std::uint8_t(c >> 16);
    at += entrySize;
  }
  for (int y = 0; y < height; ++y) {
    int fileRow = o.topDown ? y : height - 1 - y;
    std::uint8_t* row = &b[pixelStart + std::size_t(fileRow) * stride];
    for (int x = 0; x < width; ++x) {
      std::uint32_t v = values[std::size_t(y) * width + x];
      switch (o.bits) {
        case 1:
        case 4:
        case 8: {
          int bit = x * o.bits;
          row[bit / 8] |= std::uint8_t(v << (8 - o.bits - bit % 8));
          break;
        }
        case 16: {
          std::uint32_t r = (v >> 19) & 31, g = (v >> 11) & 31, bl = (v >> 3) & 31;
          std::uint32_t w = r << 10 | g << 5 | bl;
          row[x * 2] = std::uint8_t(w);
          row[x * 2 + 1] = std::uint8_t(w >> 8);
          break;
        }
        default: {
          int step = o.bits / 8;
          row[x * step] = std::uint8_t(v);
          row[x * step + 1] = std::uint8_t(v >> 8);
          row[x * step + 2] = std::uint8_t(v >> 16);
          if (step == 4) row[x * step + 3] = 0x5A;
        }
      }
    }
  }
  return b;
}

ByteBuffer MakePcx(int width, int height, int bits, int planes,
                   const std::vector<std::uint32_t>& values,
                   const std::vector<std::uint32_t>& palette) {
  ByteBuffer b(128, 0);
  const int bytesPerLine = (width * bits + 15) / 16 * 2;
  b[0] = 0x0A;
  b[1] = bits == 1 ? 3 : 5;
  b[2] = 1;
  b[3] = std::uint8_t(bits);
  Put16(b, 8, std::uint32_t(width - 1));
  Put16(b, 10, std::uint32_t(height - 1));
  Put16(b, 12, 72);
  Put16(b, 14, 72);
  b[65] = std::uint8_t(planes);
  Put16(b, 66, std::uint32_t(bytesPerLine));
  b[68] = 1;
  for (int y = 0; y < height; ++y) {
    std::vector<std::uint8_t> line(std::size_t(bytesPerLine) * planes, 0);
    for (int x = 0; x < width; ++x) {
      std::uint32_t v = values[std::size_t(y) * width + x];
      if (planes == 3) {
        line[x] = std::uint8_t(v >> 16);
        line[bytesPerLine + x] = std::uint8_t(v >> 8);
        line[2 * bytesPerLine + x] = std::uint8_t(v);
      } else if (bits == 8) {
        line[x] = std::uint8_t(v);
      } else {
        line[x / 8] |= std::uint8_t((v & 1) << (7 - x % 8));
      }
    }
    RleLine(b, line);
  }
  if (bits == 8 && planes == 1) {
    b.push_back(0x0C);
    for (int i = 0; i < 256; ++i) {
      std::uint32_t c = i < int(palette.size()) ? palette[i] : 0;
      b.push_back(std::uint8_t(c >> 16));
      b.push_back(std::uint8_t(c >> 8));
      b.push_back(std::uint8_t(c));
    }
  }
  return b;
}

ByteBuffer MakeIcon(const std::vector<IconEntry>& entries, bool cursor) {
  std::vector<ByteBuffer> images;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const IconEntry& e = entries[i];
    if (e.png) {
      std::vector<std::uint8_t> rgba(std::size_t(e.imageWidth) * e.imageHeight * 4, 0xFF);
      images.push_back(MakePng(e.imageWidth, e.imageHeight, PNG_COLOR_TYPE_RGBA, 8, rgba));
      continue;
    }
    ByteBuffer img;
    Append32(img, 40);
    Append32(img, std::uint32_t(e.imageWidth));
    Append32(img, std::uint32_t(e.imageHeight * 2));
    Append16(img, 1);
    Append16(img, 32);
    for (int k = 0; k < 6; ++k) Append32(img, 0);
    for (int p = 0; p < e.imageWidth * e.imageHeight; ++p)
      Append32(img, 0xFF000000u | std::uint32_t(i));
    std::size_t maskStride = std::size_t(e.imageWidth + 31) / 32 * 4;
    img.insert(img.end(), maskStride * e.imageHeight, 0);
    images.push_back(img);
  }
  ByteBuffer b;
  Append16(b, 0);
  Append16(b, cursor ? 2 : 1);
  Append16(b, std::uint32_t(entries.size()));
  std::uint32_t offset = std::uint32_t(6 + 16 * entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    b.push_back(std::uint8_t(entries[i].directoryWidth));
    b.push_back(std::uint8_t(entries[i].imageHeight));
    b.push_back(std::uint8_t(entries[i].colourCount));
    b.push_back(0);
    Append16(b, cursor ? 3 : 1);
    Append16(b, cursor ? 4 : 32);
    Append32(b, std::uint32_t(images[i].size()));
    Append32(b, offset);
    offset += std::uint32_t(images[i].size());
  }
  for (const ByteBuffer& img : images) b.insert(b.end(), img.begin(), img.end());
  return b;
}

ByteBuffer MakePng(int width, int height, int colourType, int bitDepth,
                   const std::vector<std::uint8_t>& samples, bool interlaced) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  ByteBuffer out;
  png_set_write_fn(
      png, &out,
      [](png_structp p, png_bytep data, png_size_t n) {
        auto* o = static_cast<ByteBuffer*>(png_get_io_ptr(p));
        o->insert(o->end(), data, data + n);
      },
      nullptr);
  png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), bitDepth, colourType,
               interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  std::vector<png_color> palette(256);
  if (colourType == PNG_COLOR_TYPE_PALETTE) {
    for (int i = 0; i < 256; ++i) palette[i] = {png_byte(i), png_byte(255 - i), png_byte(i / 2)};
    png_set_PLTE(png, info, palette.data(), 1 << bitDepth);
  }
  png_write_info(png, info);
  const std::size_t stride = png_get_rowbytes(png, info);
  std::vector<png_bytep> rows(height);
  for (int y = 0; y < height; ++y)
    rows[y] = const_cast<png_bytep>(samples.data() + std::size_t(y) * stride);
  png_write_image(png, rows.data());
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return out;
}

bool WriteTiff(const std::string& path, int width, int height, int components,
               const std::vector<std::uint8_t>& samples) {
  TIFF* tif = TIFFOpen(path.c_str(), "w");
  if (!tif) return false;
  TIFFSetField(tif, TIFFTAG_IMAGEWIDTH, std::uint32_t(width));
  TIFFSetField(tif, TIFFTAG_IMAGELENGTH, std::uint32_t(height));
  TIFFSetField(tif, TIFFTAG_SAMPLESPERPIXEL, components);
  TIFFSetField(tif, TIFFTAG_BITSPERSAMPLE, 8);
  TIFFSetField(tif, TIFFTAG_PHOTOMETRIC,
               components == 1 ? PHOTOMETRIC_MINISBLACK : PHOTOMETRIC_RGB);
  TIFFSetField(tif, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
  TIFFSetField(tif, TIFFTAG_COMPRESSION, COMPRESSION_LZW);
  TIFFSetField(tif, TIFFTAG_ROWSPERSTRIP, 4);
  bool ok = true;
  for (int y = 0; y < height && ok; ++y)
    ok = TIFFWriteScanline(
             tif, const_cast<std::uint8_t*>(samples.data() + std::size_t(y) * width * components),
             std::uint32_t(y), 0) == 1;
  TIFFClose(tif);
  return ok;
}

ByteBuffer MakeGif() {
  const std::uint8_t bytes[] = {'G',  'I',  'F',  '8',  '9',  'a', 1,   0,   1,
                                0,    0x80, 0,    0,                // screen 1x1, 2 colours
                                0,    0,    0,    255,  255,  255,  // black, white
                                0x21, 0xFF, 11,   'N',  'E',  'T', 'S', 'C', 'A',
                                'P',  'E',  '2',  '.',  '0',  3,   1,   0,   0,
                                0,    0x21, 0xF9, 4,    0,    10,  0,   0,   0,  // 100 ms
                                0x2C, 0,    0,    0,    0,    1,   0,   1,   0,
                                0,    2,    2,    0x44, 0x01, 0,            // pixel 0 (black)
                                0x21, 0xF9, 4,    0,    10,   0,   0,   0,  //
                                0x2C, 0,    0,    0,    0,    1,   0,   1,   0,
                                0,    2,    2,    0x4C, 0x01, 0,  // pixel 1 (white)
                                0x3B};
  return ByteBuffer(std::begin(bytes), std::end(bytes));
}

ByteBuffer ReadFile(const std::string& path) {
  ByteBuffer out;
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return out;
  std::uint8_t chunk[65536];
  std::size_t n;
  while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0) out.insert(out.end(), chunk, chunk + n);
  std::fclose(f);
  return out;
}

bool WriteFile(const std::string& path, const ByteBuffer& bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

bool FileExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0;
}

TempFolder::TempFolder() {
  char pattern[] = "/tmp/qv-imaging-XXXXXX";
  if (!::mkdtemp(pattern)) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::string command = "rm -rf '" + path_ + "'";
  if (std::system(command.c_str()) != 0)
    std::fprintf(stderr, "could not remove %s\n", path_.c_str());
}

std::vector<std::string> TempFolder::Names() const {
  std::vector<std::string> names;
  if (DIR* dir = ::opendir(path_.c_str())) {
    while (dirent* e = ::readdir(dir))
      if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0)
        names.push_back(e->d_name);
    ::closedir(dir);
  }
  return names;
}

}  // namespace qv::imaging::test
