#include "format/SkinEncoder.h"

#include "format/SkinFormat.h"

namespace qv::skin {
namespace {

void PutU16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(std::uint8_t(v));
  out.push_back(std::uint8_t(v >> 8));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  PutU16(out, v & 0xFFFF);
  PutU16(out, v >> 16);
}

template <std::size_t N>
void PutBytes(std::vector<std::uint8_t>& out, const std::array<std::uint8_t, N>& bytes) {
  out.insert(out.end(), bytes.begin(), bytes.end());
}

void PutChunkHeader(std::vector<std::uint8_t>& out, const std::array<std::uint8_t, 4>& tag,
                    std::size_t size) {
  PutBytes(out, tag);
  PutU32(out, static_cast<std::uint32_t>(size));
}

}  // namespace

std::size_t BitmapChunkSize(int width, int height, int bytesPerPixel) {
  return kChunkHeaderSize + kBitmapHeaderSize + std::size_t(width) * height * bytesPerPixel;
}

std::size_t FixedContentSize(std::size_t nameLength) {
  return kContentHeaderSize + kChunkHeaderSize + nameLength + kChunkHeaderSize + 4 +
         kColourCount * 4 + kMetricCount;
}

std::vector<std::uint8_t> SerializeContent(const Theme& theme) {
  std::vector<std::uint8_t> out;
  PutBytes(out, kContentMagic);
  PutU16(out, kContentVersion);
  PutU16(out, 2 + kBitmapCount);

  PutChunkHeader(out, kTagInfo, theme.name.size());
  out.insert(out.end(), theme.name.begin(), theme.name.end());

  PutChunkHeader(out, kTagParams, 4 + kColourCount * 4 + kMetricCount);
  PutU16(out, kColourCount);
  PutU16(out, kMetricCount);
  for (std::uint32_t colour : theme.colours) PutU32(out, colour);
  out.insert(out.end(), theme.metrics.begin(), theme.metrics.end());

  for (int id = 0; id < kBitmapCount; ++id) {
    const Bitmap& bitmap = theme.bitmaps[id];
    PutChunkHeader(out, kTagBitmap, kBitmapHeaderSize + bitmap.pixels.size());
    out.push_back(std::uint8_t(id));
    out.push_back(static_cast<std::uint8_t>(bitmap.format));
    PutU16(out, bitmap.width);
    PutU16(out, bitmap.height);
    for (int margin : bitmap.margins) out.push_back(std::uint8_t(margin));
    out.insert(out.end(), bitmap.pixels.begin(), bitmap.pixels.end());
  }
  return out;
}

std::vector<std::uint8_t> WrapContent(std::span<const std::uint8_t> content,
                                      const LzmaEncodeOptions& options) {
  std::vector<std::uint8_t> out;
  PutBytes(out, kFileMagic);
  PutBytes(out, kFileVersion);
  PutU32(out, static_cast<std::uint32_t>(content.size()));
  PutBytes(out, kLzmaProperties);
  const std::vector<std::uint8_t> stream = EncodeLzma(content, options);
  if (stream.empty()) return {};
  out.insert(out.end(), stream.begin(), stream.end());
  return out;
}

}  // namespace qv::skin
