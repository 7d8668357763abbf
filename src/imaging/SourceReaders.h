#pragma once
// The picture readers behind the display decoder and the JPEG converter.
// Each reads from an ImageSource and refuses pictures over maxPixels pixels.
#include <cstdint>

#include "imaging/ImageSource.h"
#include "imaging/Raster.h"

namespace qv::imaging {

// NotMine: the reader does not take this file; Failed: it took it and could
// not decode it; Ok: the raster holds the picture.
enum class ReadOutcome { NotMine, Failed, Ok };

struct JpegReadOptions {
  std::uint64_t maxPixels = 0;
  // Positive: the size the picture will be drawn at. A picture at least twice
  // as large is decoded at 1/2, 1/4 or 1/8 scale, never below that size.
  int drawWidth = 0;
  int drawHeight = 0;
  // Grey pictures stay one byte a pixel instead of being widened to RGB.
  bool keepGrey = false;
  // Running out of bytes is a failure instead of finishing with what is there.
  bool cutShortFails = false;
};

ReadOutcome ReadJpeg(ImageSource& source, const JpegReadOptions& options, Raster& out);

// The converter's strict 24-bit BMP reader.
ReadOutcome ReadBmp24(ImageSource& source, std::uint64_t maxPixels, Raster& out);
ReadOutcome ReadTiff(ImageSource& source, std::uint64_t maxPixels, Raster& out);
ReadOutcome ReadPng(ImageSource& source, std::uint64_t maxPixels, Raster& out);
// The converter's PCX reader: 8 or 24 bits in all.
ReadOutcome ReadPcxForConverter(ImageSource& source, std::uint64_t maxPixels, Raster& out);

// PCX decoding shared by display and converter (RLE or raw; 1, 2, 4, 8 bits
// with up to 4 planes, 24-bit colour). Always gives 3 components.
bool DecodePcx(ImageSource& source, std::uint64_t maxPixels, Raster& out);

// The converter's readers in their order: JPEG, BMP, TIFF, PNG, PCX. The first
// that takes the file decides.
ReadOutcome ReadConverterSource(ImageSource& source, std::uint64_t maxPixels, Raster& out);

}  // namespace qv::imaging
