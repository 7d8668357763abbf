#pragma once
// Encodes a raster as a baseline JFIF JPEG on a stdio stream.
#include <cstdio>

#include "imaging/Raster.h"

namespace qv::imaging {

struct JpegEncodeSettings {
  bool greyscale = false;
  int quality = 75;
  bool optimizeHuffman = false;
  int smoothing = 0;
};

// False when libjpeg stops with an error or a row cannot be converted.
bool EncodeJpeg(const Raster& picture, std::FILE* out, const JpegEncodeSettings& settings);

}  // namespace qv::imaging
