#pragma once
// Small pictures made in the tests: JPEG, BMP, PCX, ICO/CUR, PNG, TIFF and GIF
// bytes built by hand or with the codec libraries, plus file helpers.
#include <cstdint>
#include <string>
#include <vector>

#include "JpegEncoder.h"
#include "runtime/ByteBuffer.h"

namespace qv::imaging::test {

// A smooth, deterministic colour picture: top-down RGB, width * 3 a row.
std::vector<std::uint8_t> SmoothRgb(int width, int height, int seed = 0);

using testsupport::EncodeJpeg;
using testsupport::JpegOptions;

// libjpeg's own decode with default settings: 1 or 3 components, or CMYK.
struct ReferenceDecode {
  int width = 0, height = 0, components = 0;
  std::vector<std::uint8_t> pixels;
};
ReferenceDecode DecodeJpegReference(const ByteBuffer& jpeg);

struct BmpOptions {
  int bits = 24;
  bool topDown = false;
  std::uint32_t compression = 0;
  std::uint32_t headerSize = 40;  // 12 (core), 40, 108 or 124
  // Colour table as blue, green, red entries; written as is.
  std::vector<std::uint32_t> palette;  // 0x00RRGGBB
  std::uint32_t colorsUsed = 0;
  // Extra bytes between the table and the pixels (bfOffBits grows by it).
  std::uint32_t gap = 0;
};
// `indices` holds one entry per pixel (palette index, or 0x00RRGGBB for 24/32 bits),
// top row first.
ByteBuffer MakeBmp(int width, int height, const std::vector<std::uint32_t>& values,
                   const BmpOptions& options);

// An RLE-encoded PCX: 8 bits with a 256-colour palette (planes 1), 24 bits
// (planes 3) or 1 bit (planes 1). Values as for MakeBmp.
ByteBuffer MakePcx(int width, int height, int bits, int planes,
                   const std::vector<std::uint32_t>& values,
                   const std::vector<std::uint32_t>& palette = {});

struct IconEntry {
  int directoryWidth = 32;  // the byte in the directory (0 means 256)
  int colourCount = 0;
  int imageWidth = 32;   // the image's own header
  int imageHeight = 32;  // without the mask
  bool png = false;
};
// An ICO (cursor false) or CUR file holding the entries in order. Each bitmap
// entry is a 32-bit image whose pixels hold its entry index in blue.
ByteBuffer MakeIcon(const std::vector<IconEntry>& entries, bool cursor = false);

ByteBuffer MakePng(int width, int height, int colourType, int bitDepth,
                   const std::vector<std::uint8_t>& samples, bool interlaced = false);
// Samples are RGB (3) or grey (1), top row first.
bool WriteTiff(const std::string& path, int width, int height, int components,
               const std::vector<std::uint8_t>& samples);

// A two-frame 2x2 animated GIF.
ByteBuffer MakeGif();

ByteBuffer ReadFile(const std::string& path);
bool WriteFile(const std::string& path, const ByteBuffer& bytes);
bool FileExists(const std::string& path);

// A fresh folder under /tmp, removed with its contents on destruction.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }
  std::vector<std::string> Names() const;

 private:
  std::string path_;
};

}  // namespace qv::imaging::test
