#include "imaging/PictureShrink.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "imaging/Raster.h"

namespace qv::imaging {
namespace {

// Shares are fixed-point with this many fraction bits. A row sum of shares
// times pixel values keeps kRowBits after the first pass, so the second pass
// stays within 32 bits.
constexpr int kShareBits = 12;
constexpr std::uint32_t kShareOne = 1u << kShareBits;
constexpr int kRowBits = 8;

// For each target index along one axis, the source indices it covers and the
// share of each in it; the shares of one target index add up to exactly one.
struct AreaTaps {
  std::vector<int> first;
  std::vector<int> count;
  std::vector<std::uint32_t> share;  // count[i] shares per target index, in order
};

AreaTaps MakeAreaTaps(int source, int target) {
  AreaTaps taps;
  taps.first.resize(std::size_t(target));
  taps.count.resize(std::size_t(target));
  const double scale = double(source) / double(target);
  for (int i = 0; i < target; ++i) {
    const double start = i * scale;
    const double end = i + 1 == target ? double(source) : (i + 1) * scale;
    const int from = std::min(source - 1, int(std::floor(start)));
    const int to = std::max(from + 1, std::min(source, int(std::ceil(end))));
    taps.first[i] = from;
    taps.count[i] = to - from;
    std::uint32_t given = 0;
    for (int k = from; k < to; ++k) {
      const double covered = std::min(end, double(k + 1)) - std::max(start, double(k));
      // The last share takes what rounding left, so an even colour stays exact.
      const std::uint32_t share =
          k + 1 == to ? kShareOne - given
                      : std::uint32_t(std::lround(std::max(0.0, covered) / scale * kShareOne));
      taps.share.push_back(share);
      given += share;
    }
  }
  return taps;
}

// One source row shrunk along x: three channels a target pixel, each the
// average times 2^kRowBits.
void ShrinkRow(const std::uint8_t* row, const AreaTaps& taps, std::vector<std::uint32_t>& out) {
  constexpr std::uint32_t kHalf = 1u << (kShareBits - kRowBits - 1);
  const std::uint32_t* share = taps.share.data();
  for (std::size_t x = 0; x < taps.first.size(); ++x) {
    const std::uint8_t* pixel = row + std::size_t(taps.first[x]) * 3;
    std::uint32_t r = 0, g = 0, b = 0;
    for (int k = 0; k < taps.count[x]; ++k, pixel += 3) {
      const std::uint32_t w = *share++;
      r += w * pixel[0];
      g += w * pixel[1];
      b += w * pixel[2];
    }
    out[x * 3] = (r + kHalf) >> (kShareBits - kRowBits);
    out[x * 3 + 1] = (g + kHalf) >> (kShareBits - kRowBits);
    out[x * 3 + 2] = (b + kHalf) >> (kShareBits - kRowBits);
  }
}

// sum[i] += share * row[i]; the two never overlap, so this can run in vectors.
void AddScaled(std::uint32_t* __restrict sum, const std::uint32_t* __restrict row,
               std::uint32_t share, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) sum[i] += share * row[i];
}

std::uint32_t Channel(std::uint32_t sum) {
  constexpr int kBits = kShareBits + kRowBits;
  return std::min<std::uint32_t>(255, (sum + (1u << (kBits - 1))) >> kBits);
}

}  // namespace

std::vector<std::uint8_t> ShrinkPicture(const std::uint8_t* rgb, int sourceWidth, int sourceHeight,
                                        int width, int height) {
  std::vector<std::uint8_t> out;
  if (rgb == nullptr || width < 1 || height < 1 || width > sourceWidth || height > sourceHeight)
    return out;
  if (!TryResize(out, std::uint64_t(width) * std::uint64_t(height) * 4)) return out;
  const AreaTaps across = MakeAreaTaps(sourceWidth, width);
  const AreaTaps down = MakeAreaTaps(sourceHeight, height);
  const std::size_t sourceStride = std::size_t(sourceWidth) * 3;
  std::vector<std::uint32_t> shrunkRow(std::size_t(width) * 3);
  std::vector<std::uint32_t> sum(std::size_t(width) * 3);
  // A source row on the edge between two target rows is shrunk once for both.
  int shrunkIndex = -1;
  const std::uint32_t* share = down.share.data();
  std::uint8_t* target = out.data();
  for (int y = 0; y < height; ++y) {
    std::fill(sum.begin(), sum.end(), 0u);
    for (int k = 0; k < down.count[y]; ++k) {
      const int row = down.first[y] + k;
      if (row != shrunkIndex) {
        ShrinkRow(rgb + std::size_t(row) * sourceStride, across, shrunkRow);
        shrunkIndex = row;
      }
      AddScaled(sum.data(), shrunkRow.data(), *share++, sum.size());
    }
    for (int x = 0; x < width; ++x, target += 4) {
      const std::uint32_t word = 0xFF000000u | Channel(sum[x * 3]) << 16 |
                                 Channel(sum[x * 3 + 1]) << 8 | Channel(sum[x * 3 + 2]);
      std::memcpy(target, &word, 4);
    }
  }
  return out;
}

}  // namespace qv::imaging
