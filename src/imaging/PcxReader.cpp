#include <algorithm>
#include <array>

#include "imaging/ByteReading.h"
#include "imaging/SourceReaders.h"

namespace qv::imaging {
namespace {

constexpr std::size_t kHeaderSize = 128;
constexpr std::size_t kTailPaletteSize = 769;  // 0x0C, then 256 red-green-blue

struct PcxHeader {
  unsigned version = 0, encoding = 0, bits = 0, planes = 0, bytesPerLine = 0;
  int xMin = 0, yMin = 0, xMax = 0, yMax = 0;
  std::array<std::uint8_t, 48> palette16{};
};

PcxHeader ParseHeader(const std::uint8_t* p) {
  PcxHeader h;
  h.version = p[1];
  h.encoding = p[2];
  h.bits = p[3];
  h.xMin = Le16(p + 4);
  h.yMin = Le16(p + 6);
  h.xMax = Le16(p + 8);
  h.yMax = Le16(p + 10);
  for (std::size_t i = 0; i < 48; ++i) h.palette16[i] = p[16 + i];
  h.planes = p[65];
  h.bytesPerLine = Le16(p + 66);
  return h;
}

// Run-length (or raw) data read a byte at a time through a small window.
class PcxStream {
 public:
  PcxStream(ImageSource& source, std::uint64_t start, std::uint64_t end, bool runLength)
      : source_(source), position_(start), end_(end), runLength_(runLength) {}

  // Fills `count` decoded bytes; false when the data ends first.
  bool Decode(std::uint8_t* out, std::size_t count) {
    for (std::size_t i = 0; i < count;) {
      if (runLeft_ > 0) {
        std::size_t n = std::min<std::size_t>(runLeft_, count - i);
        std::fill_n(out + i, n, runValue_);
        runLeft_ -= unsigned(n);
        i += n;
        continue;
      }
      std::uint8_t byte;
      if (!Next(byte)) return false;
      if (runLength_ && byte >= 0xC0) {
        runLeft_ = byte & 0x3Fu;
        if (!Next(runValue_)) return false;
      } else {
        out[i++] = byte;
      }
    }
    return true;
  }

 private:
  bool Next(std::uint8_t& byte) {
    if (at_ == filled_) {
      if (position_ >= end_) return false;
      std::size_t want = std::size_t(std::min<std::uint64_t>(sizeof window_, end_ - position_));
      filled_ = source_.ReadAt(position_, window_, want);
      position_ += filled_;
      at_ = 0;
      if (filled_ == 0) return false;
    }
    byte = window_[at_++];
    return true;
  }

  ImageSource& source_;
  std::uint64_t position_, end_;
  bool runLength_;
  std::uint8_t window_[4096];
  std::size_t at_ = 0, filled_ = 0;
  unsigned runLeft_ = 0;
  std::uint8_t runValue_ = 0;
};

bool Supported(const PcxHeader& h) {
  if (h.bits == 8) return h.planes == 1 || h.planes == 3 || h.planes == 4;
  if (h.bits == 1) return h.planes >= 1 && h.planes <= 4;
  if (h.bits == 2 || h.bits == 4) return h.planes == 1;
  return false;
}

// The colours of an indexed picture: the 256-colour table after the data for
// 8 bits (a grey ramp when it is missing), black and white for 1 bit, the
// header's 16-colour table otherwise.
std::array<std::uint8_t, 256 * 3> LoadPalette(ImageSource& source, const PcxHeader& h,
                                              std::uint64_t& dataEnd) {
  std::array<std::uint8_t, 256 * 3> palette{};
  const unsigned indexBits = h.bits * h.planes;
  if (indexBits == 8) {
    std::uint8_t tail[kTailPaletteSize];
    std::uint64_t size = source.Size();
    if (size >= kHeaderSize + kTailPaletteSize &&
        source.ReadExact(size - kTailPaletteSize, tail, kTailPaletteSize) && tail[0] == 0x0C) {
      std::copy(tail + 1, tail + kTailPaletteSize, palette.begin());
      dataEnd = size - kTailPaletteSize;
    } else {
      for (unsigned i = 0; i < 256; ++i)
        palette[i * 3] = palette[i * 3 + 1] = palette[i * 3 + 2] = std::uint8_t(i);
    }
  } else if (indexBits == 1) {
    palette.fill(0);
    palette[3] = palette[4] = palette[5] = 255;
  } else {
    std::copy(h.palette16.begin(), h.palette16.end(), palette.begin());
  }
  return palette;
}

}  // namespace

bool DecodePcx(ImageSource& source, std::uint64_t maxPixels, Raster& out) {
  std::uint8_t raw[kHeaderSize];
  if (!source.ReadExact(0, raw, kHeaderSize) || raw[0] != 0x0A) return false;
  const PcxHeader h = ParseHeader(raw);
  if (h.xMax < h.xMin || h.yMax < h.yMin || !Supported(h) || h.encoding > 1) return false;
  const std::uint64_t width = std::uint64_t(h.xMax - h.xMin) + 1;
  const std::uint64_t height = std::uint64_t(h.yMax - h.yMin) + 1;
  if (!WithinPixelBudget(width, height, maxPixels)) return false;
  if (h.bytesPerLine < (width * h.bits + 7) / 8) return false;

  std::uint64_t dataEnd = source.Size();
  const bool indexed = !(h.bits == 8 && h.planes >= 3);
  std::array<std::uint8_t, 256 * 3> palette{};
  if (indexed) palette = LoadPalette(source, h, dataEnd);

  std::vector<std::uint8_t> line;
  if (!TryResize(line, std::uint64_t(h.bytesPerLine) * h.planes)) return false;
  if (!AllocateRaster(out, int(width), int(height), 3)) return false;

  PcxStream stream(source, kHeaderSize, dataEnd, h.encoding == 1);
  for (std::uint64_t y = 0; y < height; ++y) {
    if (!stream.Decode(line.data(), line.size())) return false;
    std::uint8_t* dst = out.pixels.data() + y * width * 3;
    for (std::uint64_t x = 0; x < width; ++x, dst += 3) {
      if (!indexed) {
        for (unsigned c = 0; c < 3; ++c) dst[c] = line[c * h.bytesPerLine + x];
        continue;
      }
      // Each plane gives `bits` bits of the index, the first plane the lowest.
      unsigned index = 0;
      for (unsigned plane = 0; plane < h.planes; ++plane) {
        std::uint64_t bit = x * h.bits;
        unsigned byte = line[plane * h.bytesPerLine + bit / 8];
        unsigned value = (byte >> (8 - h.bits - bit % 8)) & ((1u << h.bits) - 1);
        index |= value << (plane * h.bits);
      }
      dst[0] = palette[index * 3];
      dst[1] = palette[index * 3 + 1];
      dst[2] = palette[index * 3 + 2];
    }
  }
  return true;
}

ReadOutcome ReadPcxForConverter(ImageSource& source, std::uint64_t maxPixels, Raster& out) {
  std::uint8_t raw[kHeaderSize];
  if (!source.ReadExact(0, raw, kHeaderSize) || raw[0] != 0x0A) return ReadOutcome::NotMine;
  const PcxHeader h = ParseHeader(raw);
  const unsigned depth = h.bits * h.planes;
  if (h.xMax == h.xMin || h.yMax == h.yMin || (depth != 8 && depth != 24))
    return ReadOutcome::NotMine;
  return DecodePcx(source, maxPixels, out) ? ReadOutcome::Ok : ReadOutcome::Failed;
}

}  // namespace qv::imaging
