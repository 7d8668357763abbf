#pragma once
// A decoded skin: its name, colours, metrics and bitmaps. Plain C++.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace qv::skin {

// Colours, in the order the content stores them (32-bit ARGB each).
enum ColourRole : int {
  kFace,               // window background, "button face"
  kFaceText,           // labels and window text
  kBase,               // edit and list background
  kBaseText,           // text in edits and lists
  kAlternateBase,      // alternate list rows
  kHighlight,          // selection
  kHighlightText,
  kLight,              // 3-D edges, lightest to darkest
  kMidlight,
  kMid,
  kDark,
  kShadow,
  kButtonText,
  kDisabledText,
  kPlaceholderText,
  kLink,
  kTitleText,
  kTitleTextInactive,
  kTitleTextShadow,
  kFrameOuter,         // window frame, active: outer line, body, inner line
  kFrameBody,
  kFrameInner,
  kFrameOuterInactive,
  kFrameBodyInactive,
  kFrameInnerInactive,
  kScrollGroove,
  kScrollHandle,
  kScrollHandleHover,
  kToolTipBase,
  kToolTipText,
  kAccent,             // focus marks, checked marks, header lines
  kColourCount
};

// Small integer metrics, one byte each, with their inclusive limits.
enum MetricId : int {
  kTitleAlign,     // 0 left, 1 centre
  kTitleIndent,    // pixels before left-aligned caption text, 0..64
  kTitleBold,      // 0 or 1
  kTitleShadow,    // 0 or 1: draw the caption's shadow colour 1 pixel below
  kGrainStrength,  // 0..100: percent of a colour level per grain step off 128
  kPressShift,     // 0..2: pixels a pressed button's text moves down-right
  kScrollRadius,   // 0..8
  kItemRadius,     // 0..8: rounding of selected list items
  kMetricCount
};

struct MetricLimit {
  std::uint8_t min;
  std::uint8_t max;
};
inline constexpr std::array<MetricLimit, kMetricCount> kMetricLimits{{
    {0, 1}, {0, 64}, {0, 1}, {0, 1}, {0, 100}, {0, 2}, {0, 8}, {0, 8}}};

// Bitmaps every skin carries, one of each.
enum BitmapId : int {
  kTitleActive,
  kTitleInactive,
  kButtonNormal,
  kButtonHover,
  kButtonPressed,
  kButtonFocused,
  kButtonDisabled,
  kEditNormal,
  kEditFocused,
  kEditDisabled,
  kGrain,  // grey tile: 128 neutral, above lightens, below darkens
  kBitmapCount
};

enum class PixelFormat : std::uint8_t { kRgba = 1, kGrey = 2 };

inline constexpr int kTitleBarHeight = 22;  // the runtime's fixed caption height
inline constexpr int kMaxBitmapSide = 2048;

struct Bitmap {
  PixelFormat format = PixelFormat::kRgba;
  int width = 0;
  int height = 0;
  // Nine-slice margins: left, top, right, bottom (corners kept, rest stretched).
  std::array<int, 4> margins{};
  std::vector<std::uint8_t> pixels;  // rows top-down; RGBA (straight alpha) or grey

  int BytesPerPixel() const { return format == PixelFormat::kRgba ? 4 : 1; }
};

struct Theme {
  std::string name;  // UTF-8
  std::array<std::uint32_t, kColourCount> colours{};
  std::array<std::uint8_t, kMetricCount> metrics{};
  std::array<Bitmap, kBitmapCount> bitmaps{};

  std::uint32_t Colour(ColourRole role) const { return colours[role]; }
  int Metric(MetricId id) const { return metrics[id]; }
};

// The pixel format each bitmap must have.
inline PixelFormat ExpectedFormat(int id) {
  return id == kGrain ? PixelFormat::kGrey : PixelFormat::kRgba;
}

}  // namespace qv::skin
