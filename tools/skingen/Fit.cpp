#include "Fit.h"

#include <cmath>

#include "format/SkinEncoder.h"

namespace qv::skingen {
namespace {

constexpr int kMinGrainSide = 64;
constexpr int kMaxGrainSide = 2048;

// The grain's shape for `pixels` pixels: the factor pair nearest a square
// with sides in range, preferring wide tiles.
std::optional<std::pair<int, int>> GrainShape(std::int64_t pixels) {
  if (pixels <= 0) return std::nullopt;
  const int root = static_cast<int>(std::sqrt(double(pixels)));
  for (int height = std::min(root, kMaxGrainSide); height >= kMinGrainSide; --height) {
    if (pixels % height != 0) continue;
    const std::int64_t width = pixels / height;
    if (width > kMaxGrainSide || width > 3 * std::int64_t(height)) return std::nullopt;
    return std::make_pair(int(width), height);
  }
  return std::nullopt;
}

}  // namespace

std::optional<Layout> ChooseLayout(const Description& description, std::size_t contentLength) {
  // The fixed bitmaps' sizes depend only on the description.
  const skin::Theme probe = RenderTheme(description, {16, 1, 1}, 0, 0);
  std::int64_t fixed = std::int64_t(skin::FixedContentSize(description.name.size()));
  for (int id = skin::kButtonNormal; id <= skin::kEditDisabled; ++id) {
    const auto& b = probe.bitmaps[id];
    fixed += std::int64_t(skin::BitmapChunkSize(b.width, b.height, 4));
  }
  fixed += std::int64_t(skin::BitmapChunkSize(0, 0, 1));
  // Title widths from 128 outwards, alternating narrower and wider.
  for (int step = 0; step <= 160; ++step) {
    const int titleWidth = 128 + ((step % 2) ? (step + 1) / 2 : -(step / 2));
    const std::int64_t titles =
        2 * std::int64_t(skin::BitmapChunkSize(titleWidth, skin::kTitleBarHeight, 4));
    const std::int64_t grain = std::int64_t(contentLength) - fixed - titles;
    if (const auto shape = GrainShape(grain)) {
      return Layout{titleWidth, shape->first, shape->second};
    }
  }
  return std::nullopt;
}

FitResult BuildTuned(const Description& description, const SkinLengths& lengths) {
  FitResult result;
  const auto layout = ChooseLayout(description, lengths.content);
  if (!layout) {
    result.error = "no layout fits the content length";
    return result;
  }
  const skin::Theme theme = RenderTheme(description, *layout, description.detail, description.seed);
  const std::vector<std::uint8_t> content = skin::SerializeContent(theme);
  result.file = skin::WrapContent(content);
  result.detail = description.detail;
  result.seed = description.seed;
  if (content.size() != lengths.content || result.file.size() != lengths.file) {
    result.error = "lengths " + std::to_string(result.file.size()) + "/" +
                   std::to_string(content.size()) + " instead of " +
                   std::to_string(lengths.file) + "/" + std::to_string(lengths.content) +
                   " (run skingen tune)";
    result.file.clear();
  }
  return result;
}

FitResult Tune(const Description& description, const SkinLengths& lengths) {
  FitResult result;
  const auto layout = ChooseLayout(description, lengths.content);
  if (!layout) {
    result.error = "no layout fits the content length";
    return result;
  }
  for (std::uint32_t attempt = 0; attempt < 12; ++attempt) {
    const std::uint32_t seed = description.seed + attempt;
    const skin::Theme theme = RenderTheme(description, *layout, 0, seed);
    std::vector<std::uint8_t> content = skin::SerializeContent(theme);
    const GrainPainter painter(description, layout->grainWidth, layout->grainHeight, seed);
    const std::size_t grainOffset = content.size() - std::size_t(painter.PixelCount());
    auto fileSize = [&](std::int64_t detail) {
      painter.Paint(detail, content.data() + grainOffset);
      return skin::WrapContent(content).size();
    };
    if (fileSize(0) > lengths.file) {
      result.error = "the skin is too large even without grain: " + std::to_string(fileSize(0));
      return result;
    }
    std::int64_t low = 0, high = painter.PixelCount();
    if (fileSize(high) < lengths.file) {
      result.error = "the grain cannot make the skin large enough";
      return result;
    }
    while (high - low > 1) {
      const std::int64_t mid = low + (high - low) / 2;
      (fileSize(mid) <= lengths.file ? low : high) = mid;
    }
    for (std::int64_t delta = 0; delta <= 48; ++delta) {
      for (const std::int64_t detail : {low - delta, low + delta}) {
        if (detail < 0 || detail > painter.PixelCount()) continue;
        if (fileSize(detail) == lengths.file) {
          result.detail = detail;
          result.seed = seed;
          painter.Paint(detail, content.data() + grainOffset);
          result.file = skin::WrapContent(content);
          return result;
        }
      }
    }
  }
  result.error = "no grain detail fits the file length";
  return result;
}

}  // namespace qv::skingen
