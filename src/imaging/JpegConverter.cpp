#include "imaging/JpegConverter.h"

#include <sys/stat.h>

#include "imaging/JpegEncoder.h"
#include "imaging/PictureDecoder.h"
#include "imaging/ReplacingFile.h"
#include "imaging/SourceReaders.h"

namespace qv::imaging {

int ConvertFileToJpeg(const std::string& sourcePath, const std::string& targetPath, bool greyscale,
                      int quality, bool optimizeHuffman, int smoothing) {
  if (sourcePath.empty() || targetPath.empty() || quality < 1 || quality > 100 || smoothing < 0 ||
      smoothing > 100)
    return ConvertBadArguments;

  struct stat found {};
  if (::stat(sourcePath.c_str(), &found) != 0 || !S_ISREG(found.st_mode)) return ConvertNoSource;
  auto source = FileSource::Open(sourcePath);
  if (!source) return ConvertUnreadable;
  Raster picture;
  if (ReadConverterSource(*source, kMaxPicturePixels, picture) != ReadOutcome::Ok)
    return ConvertUnreadable;
  source.reset();
  if (picture.width < 1 || picture.height < 1 ||
      (picture.components != 1 && picture.components != 3))
    return ConvertWriteFailed;

  ReplacingFile target;
  if (!target.Open(targetPath)) return ConvertWriteFailed;
  JpegEncodeSettings settings{greyscale, quality, optimizeHuffman, smoothing};
  if (!EncodeJpeg(picture, target.Stream(), settings) || !target.Commit())
    return ConvertWriteFailed;
  return ConvertOk;
}

}  // namespace qv::imaging
