#include "imaging/PictureDecoder.h"

#include "imaging/DisplayDecoders.h"
#include "imaging/SourceReaders.h"

namespace qv::imaging {
namespace {

RgbImage ToRgbImage(Raster&& raster) {
  RgbImage image;
  image.width = raster.width;
  image.height = raster.height;
  image.ownWidth = raster.ownWidth > 0 ? raster.ownWidth : raster.width;
  image.ownHeight = raster.ownHeight > 0 ? raster.ownHeight : raster.height;
  image.pixels = std::move(raster.pixels);
  return image;
}

}  // namespace

std::optional<DecodedPicture> DecodePictureWithinBudget(ByteView bytes, int drawWidth,
                                                        int drawHeight, std::uint64_t maxPixels) {
  DecodedPicture picture;
  picture.kind = RecognisePicture(bytes);
  Raster raster;
  bool decoded = false;
  switch (picture.kind) {
    case PictureKind::None:
      return std::nullopt;
    case PictureKind::Bmp:
      decoded = DecodeBmpForDisplay(bytes, maxPixels, raster);
      break;
    case PictureKind::Jpeg: {
      MemorySource source(bytes);
      JpegReadOptions options;
      options.maxPixels = maxPixels;
      options.drawWidth = drawWidth;
      options.drawHeight = drawHeight;
      decoded = ReadJpeg(source, options, raster) == ReadOutcome::Ok;
      break;
    }
    case PictureKind::Icon:
    case PictureKind::Cursor:
      if (!DecodeIconForDisplay(bytes, picture.kind == PictureKind::Cursor, maxPixels, picture))
        return std::nullopt;
      return picture;
    case PictureKind::Gif:
      return picture;
    case PictureKind::Pcx8:
    case PictureKind::Pcx1: {
      MemorySource source(bytes);
      decoded = DecodePcx(source, maxPixels, raster);
      break;
    }
  }
  if (!decoded) return std::nullopt;
  picture.image = ToRgbImage(std::move(raster));
  return picture;
}

std::optional<DecodedPicture> DecodePictureForDisplay(ByteView bytes, int drawWidth,
                                                      int drawHeight) {
  return DecodePictureWithinBudget(bytes, drawWidth, drawHeight, kMaxPicturePixels);
}

}  // namespace qv::imaging
