#pragma once
// Converts a picture file (JPEG, 24-bit BMP, TIFF, PNG, PCX) into a JPEG file.
// Paths are host paths. The target is written through a temporary file beside
// it and renamed over it only when the encoder has finished, so a failure
// never replaces an earlier file.
#include <string>

namespace qv::imaging {

enum ConvertResult : int {
  ConvertOk = 1,
  ConvertNoSource = -1,
  ConvertUnreadable = -3,
  ConvertWriteFailed = -4,
  ConvertBadArguments = -7,
};

int ConvertFileToJpeg(const std::string& sourcePath, const std::string& targetPath,
                      bool greyscale, int quality, bool optimizeHuffman, int smoothing);

}  // namespace qv::imaging
