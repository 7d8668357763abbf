#include "imaging/SourceReaders.h"

namespace qv::imaging {

ReadOutcome ReadConverterSource(ImageSource& source, std::uint64_t maxPixels, Raster& out) {
  JpegReadOptions jpeg;
  jpeg.maxPixels = maxPixels;
  jpeg.keepGrey = true;
  jpeg.cutShortFails = true;
  ReadOutcome outcome = ReadJpeg(source, jpeg, out);
  if (outcome != ReadOutcome::NotMine) return outcome;
  for (auto reader : {ReadBmp24, ReadTiff, ReadPng, ReadPcxForConverter}) {
    out = Raster{};
    outcome = reader(source, maxPixels, out);
    if (outcome != ReadOutcome::NotMine) return outcome;
  }
  return ReadOutcome::NotMine;
}

}  // namespace qv::imaging
