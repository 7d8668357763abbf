#include <cstring>

#include "imaging/ByteReading.h"
#include "imaging/DisplayDecoders.h"

namespace qv::imaging {
namespace {

constexpr std::size_t kDirectoryHeaderSize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr std::uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

// The size an entry's image gives itself: a PNG's IHDR, or the bitmap
// header's width and half its height (which counts the mask too).
bool ReadEntryImageSize(ByteView image, int& width, int& height) {
  std::int64_t w = 0, h = 0;
  if (image.size() >= 24 && std::memcmp(image.data(), kPngSignature, 8) == 0 &&
      std::memcmp(image.data() + 12, "IHDR", 4) == 0) {
    w = Be32(image.data() + 16);
    h = Be32(image.data() + 20);
  } else if (image.size() >= 40 && Le32(image.data()) >= 40) {
    w = Le32Signed(image.data() + 4);
    h = Le32Signed(image.data() + 8) / 2;
  } else {
    return false;
  }
  if (w < 1 || h < 1 || w > 0x7FFFFFFF || h > 0x7FFFFFFF) return false;
  width = int(w);
  height = int(h);
  return true;
}

}  // namespace

bool DecodeIconForDisplay(ByteView b, bool cursor, std::uint64_t maxPixels, DecodedPicture& out) {
  if (b.size() < kDirectoryHeaderSize) return false;
  const unsigned count = Le16(b.data() + 4);
  // The first entry 32 pixels wide with more than 15 colours, else the last
  // entry read.
  const std::uint8_t* chosen = nullptr;
  for (unsigned i = 0; i < count; ++i) {
    std::size_t at = kDirectoryHeaderSize + i * kEntrySize;
    if (at + kEntrySize > b.size()) break;
    chosen = b.data() + at;
    if (chosen[0] == 32 && chosen[2] > 15) break;
  }
  if (!chosen) return false;

  const std::uint64_t imageSize = Le32(chosen + 8), imageOffset = Le32(chosen + 12);
  if (imageSize == 0 || imageOffset + imageSize > b.size()) return false;
  ByteView image = b.subspan(std::size_t(imageOffset), std::size_t(imageSize));
  int width = 0, height = 0;
  if (!ReadEntryImageSize(image, width, height)) return false;
  if (!WithinPixelBudget(std::uint64_t(width), std::uint64_t(height), maxPixels)) return false;

  ByteBuffer file(kDirectoryHeaderSize + kEntrySize + image.size());
  PutLe16(file.data() + 2, cursor ? 2 : 1);
  PutLe16(file.data() + 4, 1);
  std::memcpy(file.data() + kDirectoryHeaderSize, chosen, kEntrySize);
  PutLe32(file.data() + kDirectoryHeaderSize + 12, kDirectoryHeaderSize + kEntrySize);
  std::memcpy(file.data() + kDirectoryHeaderSize + kEntrySize, image.data(), image.size());

  out.kind = cursor ? PictureKind::Cursor : PictureKind::Icon;
  out.iconFile = std::move(file);
  out.iconWidth = width;
  out.iconHeight = height;
  return true;
}

}  // namespace qv::imaging
