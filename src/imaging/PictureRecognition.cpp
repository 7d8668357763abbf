#include <cstring>

#include "imaging/ByteReading.h"
#include "imaging/PictureDecoder.h"

namespace qv::imaging {

PictureKind RecognisePicture(ByteView bytes) {
  if (bytes.size() < 6) return PictureKind::None;
  const std::uint8_t* p = bytes.data();
  if (p[0] == 'B' && p[1] == 'M') return PictureKind::Bmp;
  if (p[0] == 0xFF && p[1] == 0xD8) return PictureKind::Jpeg;
  if (Le16(p) == 0 && Le16(p + 2) == 1 && Le16(p + 4) > 0) return PictureKind::Icon;
  if (Le16(p) == 0 && Le16(p + 2) == 2 && Le16(p + 4) > 0) return PictureKind::Cursor;
  if (std::memcmp(p, "GIF87a", 6) == 0 || std::memcmp(p, "GIF89a", 6) == 0) return PictureKind::Gif;
  if (p[0] == 0x0A && p[1] <= 5 && p[2] == 1 && p[3] == 8) return PictureKind::Pcx8;
  if (p[0] == 0x0A && p[1] == 3 && p[2] == 1 && p[3] == 1) return PictureKind::Pcx1;
  return PictureKind::None;
}

}  // namespace qv::imaging
