#pragma once
// Picture decoding for display: recognition by content and decoding of the
// kinds a picture box shows. Plain C++ on libjpeg; no GUI toolkit.
#include <cstdint>
#include <optional>
#include <vector>

#include "runtime/ByteBuffer.h"

namespace qv::imaging {

enum class PictureKind { None, Bmp, Jpeg, Icon, Cursor, Gif, Pcx8, Pcx1 };

// The kind told from the first six bytes; fewer than six bytes: None.
PictureKind RecognisePicture(ByteView bytes);

// Pictures larger than this many pixels are refused as memory that cannot be
// reserved.
inline constexpr std::uint64_t kMaxPicturePixels = 100'000'000;

// Decoded pixels: rows top row first, each pixel red, green, blue, rows packed
// end to end (width * 3 bytes a row).
struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;
  // The picture's own size, which placement goes by: larger than width x
  // height when a JPEG was decoded at a smaller scale for drawing.
  int ownWidth = 0;
  int ownHeight = 0;
};

struct DecodedPicture {
  PictureKind kind = PictureKind::None;
  // JPEG, BMP, PCX: the pixels.
  RgbImage image;
  // Icon and cursor: a one-entry ICO/CUR file holding the chosen directory
  // entry, for the toolkit's icon reader, and the size to draw it at.
  ByteBuffer iconFile;
  int iconWidth = 0;
  int iconHeight = 0;
  // GIF: nothing here; the caller plays the stored bytes.
};

// Decodes bytes for display. Empty optional for every failure (unrecognised,
// truncated headers, unsupported depth, libjpeg fatal error, over budget).
// drawWidth/drawHeight, when positive, tell the size the picture will be drawn
// at; a larger JPEG may then be decoded with DCT scaling, never below that size.
// Leave them 0 when the picture is drawn at its own size.
std::optional<DecodedPicture> DecodePictureForDisplay(ByteView bytes, int drawWidth = 0,
                                                      int drawHeight = 0);

}  // namespace qv::imaging
