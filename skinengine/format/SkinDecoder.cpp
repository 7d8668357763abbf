#include "format/SkinDecoder.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

#include "format/LzmaCodec.h"
#include "format/SkinFormat.h"

namespace qv::skin {
namespace {

// Bounds-checked little-endian reader over a byte span.
class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::size_t Remaining() const { return bytes_.size() - offset_; }
  bool Has(std::size_t n) const { return n <= Remaining(); }

  bool U8(std::uint8_t& v) {
    if (!Has(1)) return false;
    v = bytes_[offset_++];
    return true;
  }
  bool U16(std::uint16_t& v) {
    if (!Has(2)) return false;
    v = std::uint16_t(bytes_[offset_] | bytes_[offset_ + 1] << 8);
    offset_ += 2;
    return true;
  }
  bool U32(std::uint32_t& v) {
    if (!Has(4)) return false;
    const std::uint8_t* p = bytes_.data() + offset_;
    v = std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
        std::uint32_t(p[3]) << 24;
    offset_ += 4;
    return true;
  }
  bool Take(std::size_t n, std::span<const std::uint8_t>& out) {
    if (!Has(n)) return false;
    out = bytes_.subspan(offset_, n);
    offset_ += n;
    return true;
  }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t offset_ = 0;
};

template <std::size_t N>
bool Equals(std::span<const std::uint8_t> bytes, const std::array<std::uint8_t, N>& expected) {
  return bytes.size() == N && std::equal(expected.begin(), expected.end(), bytes.begin());
}

bool ParseName(std::span<const std::uint8_t> payload, std::string& name) {
  if (payload.empty() || payload.size() > kMaxNameLength) return false;
  for (std::uint8_t c : payload) {
    if (c < 0x20 || c == 0x7F) return false;
  }
  name.assign(reinterpret_cast<const char*>(payload.data()), payload.size());
  return true;
}

bool ParseParams(std::span<const std::uint8_t> payload, Theme& theme) {
  Reader reader(payload);
  std::uint16_t colourCount = 0;
  std::uint16_t metricCount = 0;
  if (!reader.U16(colourCount) || !reader.U16(metricCount)) return false;
  if (colourCount != kColourCount || metricCount != kMetricCount) return false;
  if (reader.Remaining() != std::size_t(kColourCount) * 4 + kMetricCount) return false;
  for (auto& colour : theme.colours) reader.U32(colour);
  for (int i = 0; i < kMetricCount; ++i) {
    std::uint8_t value = 0;
    reader.U8(value);
    if (value < kMetricLimits[i].min || value > kMetricLimits[i].max) return false;
    theme.metrics[i] = value;
  }
  return true;
}

bool ParseBitmap(std::span<const std::uint8_t> payload, Theme& theme,
                 std::array<bool, kBitmapCount>& seen) {
  Reader reader(payload);
  std::uint8_t id = 0;
  std::uint8_t format = 0;
  std::uint16_t width = 0;
  std::uint16_t height = 0;
  std::array<std::uint8_t, 4> margins{};
  if (!reader.U8(id) || !reader.U8(format) || !reader.U16(width) || !reader.U16(height)) {
    return false;
  }
  for (auto& margin : margins) {
    if (!reader.U8(margin)) return false;
  }
  if (id >= kBitmapCount || seen[id]) return false;
  if (format != static_cast<std::uint8_t>(ExpectedFormat(id))) return false;
  if (width < 1 || height < 1 || width > kMaxBitmapSide || height > kMaxBitmapSide) return false;
  if (margins[0] + margins[2] > width || margins[1] + margins[3] > height) return false;
  if ((id == kTitleActive || id == kTitleInactive) && height != kTitleBarHeight) return false;
  if (id == kGrain && (margins[0] | margins[1] | margins[2] | margins[3]) != 0) return false;

  Bitmap bitmap;
  bitmap.format = static_cast<PixelFormat>(format);
  bitmap.width = width;
  bitmap.height = height;
  for (int i = 0; i < 4; ++i) bitmap.margins[i] = margins[i];
  // At most 2048 * 2048 * 4, well inside size_t.
  const std::size_t pixelBytes = std::size_t(width) * height * bitmap.BytesPerPixel();
  if (reader.Remaining() != pixelBytes) return false;
  std::span<const std::uint8_t> pixels;
  reader.Take(pixelBytes, pixels);
  bitmap.pixels.assign(pixels.begin(), pixels.end());
  theme.bitmaps[id] = std::move(bitmap);
  seen[id] = true;
  return true;
}

}  // namespace

SkinStatus ParseContent(std::span<const std::uint8_t> content, Theme& theme) {
  Reader reader(content);
  std::span<const std::uint8_t> magic;
  std::uint16_t version = 0;
  std::uint16_t chunkCount = 0;
  if (!reader.Take(4, magic) || !Equals(magic, kContentMagic)) return kSkinBadContent;
  if (!reader.U16(version) || version != kContentVersion) return kSkinBadContent;
  if (!reader.U16(chunkCount) || chunkCount > kMaxChunkCount) return kSkinBadContent;

  Theme decoded;
  bool haveName = false;
  bool haveParams = false;
  std::array<bool, kBitmapCount> seen{};
  try {
    for (std::uint16_t i = 0; i < chunkCount; ++i) {
      std::span<const std::uint8_t> tag;
      std::uint32_t size = 0;
      std::span<const std::uint8_t> payload;
      if (!reader.Take(4, tag) || !reader.U32(size) || !reader.Take(size, payload)) {
        return kSkinBadContent;
      }
      if (Equals(tag, kTagInfo)) {
        if (haveName || !ParseName(payload, decoded.name)) return kSkinBadContent;
        haveName = true;
      } else if (Equals(tag, kTagParams)) {
        if (haveParams || !ParseParams(payload, decoded)) return kSkinBadContent;
        haveParams = true;
      } else if (Equals(tag, kTagBitmap)) {
        if (!ParseBitmap(payload, decoded, seen)) return kSkinBadContent;
      }
    }
  } catch (const std::bad_alloc&) {
    return kSkinOutOfMemory;
  }
  if (reader.Remaining() != 0 || !haveName || !haveParams) return kSkinBadContent;
  if (!std::all_of(seen.begin(), seen.end(), [](bool b) { return b; })) return kSkinBadContent;
  theme = std::move(decoded);
  return kSkinOk;
}

SkinStatus DecodeSkin(std::span<const std::uint8_t> file, Theme& theme) {
  if (file.empty()) return kSkinNoData;
  if (file.size() < kFileHeaderSize) {
    // Report a wrong magic as such even when the file is short.
    const std::size_t n = std::min<std::size_t>(file.size(), 4);
    if (!std::equal(file.begin(), file.begin() + n, kFileMagic.begin())) return kSkinBadMagic;
    return kSkinBadLength;
  }
  if (!Equals(file.subspan(0, 4), kFileMagic)) return kSkinBadMagic;
  if (!Equals(file.subspan(4, 2), kFileVersion)) return kSkinBadVersion;
  const std::uint32_t length = std::uint32_t(file[6]) | std::uint32_t(file[7]) << 8 |
                               std::uint32_t(file[8]) << 16 | std::uint32_t(file[9]) << 24;
  if (!Equals(file.subspan(10, 5), kLzmaProperties)) return kSkinBadProperties;
  if (length < kContentHeaderSize || length > kMaxContentLength) return kSkinBadLength;

  std::vector<std::uint8_t> content;
  switch (DecodeLzma(file.subspan(kFileHeaderSize), length, content)) {
    case LzmaResult::kOk: break;
    case LzmaResult::kTruncated: return kSkinTruncated;
    case LzmaResult::kCorrupt: return kSkinCorrupt;
    case LzmaResult::kOutOfMemory: return kSkinOutOfMemory;
  }
  return ParseContent(content, theme);
}

}  // namespace qv::skin
