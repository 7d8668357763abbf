#include "Render.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "Canvas.h"

namespace qv::skingen {
namespace {

using skin::Bitmap;
using skin::PixelFormat;

std::uint64_t Mix64(std::uint64_t x) {
  x += 0x9E3779B97F4A7C15ull;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  return x ^ (x >> 31);
}

Bitmap MakeRgba(const Canvas& canvas, std::array<int, 4> margins) {
  Bitmap bitmap;
  bitmap.format = PixelFormat::kRgba;
  bitmap.width = canvas.Width();
  bitmap.height = canvas.Height();
  bitmap.margins = margins;
  bitmap.pixels = canvas.ToRgba();
  return bitmap;
}

struct ButtonColours {
  Colour top, bottom, border;
  bool focusRing = false;
  bool pressed = false;
  double shadow = 0.10;
};

Bitmap DrawButton(const Description& d, const ButtonColours& c) {
  const int radius = d.buttonRadius;
  const int margin = std::max(radius, 3) + 2;
  const int width = 2 * margin + 12;
  const int height = std::max(24, 2 * margin + 10);
  Canvas canvas(width, height);
  const bool flat = d.buttonStyle == "flat";
  const Box body{0, 0, double(width), double(height - 1)};
  if (!flat && c.shadow > 0) {
    canvas.Fill({0, 1, double(width), double(height - 1)}, radius, WithAlpha(kBlack, c.shadow));
  }
  const Box inside = body.Inset(1);
  const double innerRadius = std::max(radius - 1.0, 0.0);
  if (d.buttonStyle == "outline") {
    canvas.Fill(body, radius, c.top);
  } else if (flat) {
    canvas.Fill(body, radius, c.pressed ? c.bottom : c.top);
  } else {
    canvas.Fill(body, radius, VerticalGradient(inside, {{0, c.top}, {1, c.bottom}}));
  }
  if (d.buttonStyle == "gloss" && !c.pressed) {
    const Box upper{inside.x, inside.y, inside.w, inside.h * 0.48};
    canvas.Fill(upper, innerRadius,
                VerticalGradient(upper, {{0, WithAlpha(kWhite, 0.55)}, {1, WithAlpha(kWhite, 0.18)}}));
  }
  if (d.buttonStyle == "bevel" || d.buttonStyle == "gradient" || d.buttonStyle == "gloss") {
    // A light line along the top inside edge, a darker one along the bottom.
    const double top = c.pressed ? 0.0 : (d.buttonStyle == "bevel" ? 0.75 : 0.5);
    const double bottom = d.buttonStyle == "bevel" ? 0.22 : 0.0;
    canvas.Stroke(inside, innerRadius, 1, [&](double, double y) {
      const double t = (y - inside.y) / inside.h;
      if (t < 0.5) return WithAlpha(kWhite, top * (1 - 2 * t));
      return WithAlpha(kBlack, bottom * (2 * t - 1));
    });
  }
  if (c.pressed) {
    // Pressed in: a soft shade under the top edge.
    canvas.Fill({inside.x, inside.y, inside.w, 3}, innerRadius,
                VerticalGradient({inside.x, inside.y, inside.w, 3},
                                 {{0, WithAlpha(kBlack, 0.16)}, {1, WithAlpha(kBlack, 0.0)}}));
  }
  const double borderWidth = d.buttonStyle == "outline" ? 1.5 : 1.0;
  canvas.Stroke(body, radius, borderWidth, c.border);
  if (c.focusRing) canvas.Stroke(inside, innerRadius, 1, WithAlpha(d.accent, 0.55));
  return MakeRgba(canvas, {margin, margin, margin, margin});
}

Bitmap DrawEdit(const Description& d, Colour fill, Colour border, bool focused) {
  const int radius = d.editRadius;
  const int margin = std::max(radius, 2) + 2;
  const int side = 2 * margin + 10;
  Canvas canvas(side, side);
  const Box body{0, 0, double(side), double(side)};
  canvas.Fill(body, radius, fill);
  const Box inside = body.Inset(1);
  // A faint inner shade at the top gives the box some depth.
  canvas.Fill({inside.x, inside.y, inside.w, 3}, std::max(radius - 1.0, 0.0),
              VerticalGradient({inside.x, inside.y, inside.w, 3},
                               {{0, WithAlpha(kBlack, 0.07)}, {1, WithAlpha(kBlack, 0.0)}}));
  if (focused) canvas.Stroke(inside, std::max(radius - 1.0, 0.0), 1.5, WithAlpha(d.accent, 0.28));
  canvas.Stroke(body, radius, 1, border);
  return MakeRgba(canvas, {margin, margin, margin, margin});
}

Bitmap DrawTitle(const Description& d, Colour top, Colour bottom, int width) {
  const int height = skin::kTitleBarHeight;
  Canvas canvas(width, height);
  const Box body{0, 0, double(width), double(height)};
  if (d.titleStyle == "flat") {
    canvas.Fill(body, 0, top);
    canvas.Fill({0, height - 2.0, double(width), 2}, 0, bottom);
  } else if (d.titleStyle == "gloss") {
    const Colour upperTop = Lighter(top, 0.28), upperBottom = Lighter(top, 0.08);
    canvas.Fill(body, 0, VerticalGradient(body, {{0, upperTop}, {0.5, upperBottom},
                                                 {0.5, bottom}, {1, Lighter(bottom, 0.1)}}));
  } else {
    canvas.Fill(body, 0, VerticalGradient(body, {{0, top}, {1, bottom}}));
  }
  if (d.titleStyle == "bevel") {
    canvas.Fill({0, 0, double(width), 1}, 0, WithAlpha(kWhite, 0.35));
    canvas.Fill({0, height - 1.0, double(width), 1}, 0, WithAlpha(kBlack, 0.25));
  }
  // A soft sheen across the caption; "sheen" makes it the design's feature.
  const double strength = d.titleStyle == "sheen" ? 0.22 : 0.06;
  canvas.Fill(body, 0, [&](double x, double y) {
    const double u = (x / width - 0.3) / 0.35;
    const double fade = std::exp(-u * u) * (1 - 0.6 * y / height);
    return WithAlpha(kWhite, strength * fade);
  });
  return MakeRgba(canvas, {4, 0, 4, 0});
}

Colour Hover(const Colour& c, const Description& d) { return Mix(Lighter(c, 0.12), d.accent, 0.10); }

}  // namespace

GrainPainter::GrainPainter(const Description& d, int width, int height, std::uint32_t seed) {
  const std::size_t count = std::size_t(width) * height;
  base_.resize(count);
  const int pattern = std::max(1, d.grainAmplitude / 2);
  for (int y = 0; y < height; ++y) {
    const double rowWave = std::sin(y * 0.37 + 1.3);
    const int rowShade = int(Mix64(std::uint64_t(y) * 131 + seed) % (2 * pattern + 1)) - pattern;
    for (int x = 0; x < width; ++x) {
      int v = 0;
      if (d.grainKind == "brushed") {
        v = rowShade;
      } else if (d.grainKind == "linen") {
        v = (x % 4 == 0 ? pattern : 0) - (y % 4 == 0 ? pattern : 0);
      } else if (d.grainKind == "paper") {
        v = int(std::lround(pattern * std::sin(x * 0.045 + rowWave) * std::cos(y * 0.061)));
      }
      base_[std::size_t(y) * width + x] = std::uint8_t(128 + v);
    }
  }
  order_.resize(count);
  std::iota(order_.begin(), order_.end(), 0u);
  std::vector<std::uint64_t> keys(count);
  for (std::size_t i = 0; i < count; ++i) keys[i] = Mix64(i ^ (std::uint64_t(seed) << 32));
  std::sort(order_.begin(), order_.end(), [&](std::uint32_t a, std::uint32_t b) {
    return keys[a] != keys[b] ? keys[a] < keys[b] : a < b;
  });
  deviations_.resize(count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint64_t h = Mix64(keys[i] + 7);
    const int magnitude = 1 + int(h % std::uint64_t(d.grainAmplitude));
    deviations_[i] = std::int8_t((h >> 32) & 1 ? magnitude : -magnitude);
  }
}

void GrainPainter::Paint(std::int64_t detail, std::uint8_t* out) const {
  std::copy(base_.begin(), base_.end(), out);
  const std::int64_t n = std::clamp<std::int64_t>(detail, 0, PixelCount());
  for (std::int64_t i = 0; i < n; ++i) {
    const std::uint32_t pixel = order_[i];
    out[pixel] = std::uint8_t(std::clamp(out[pixel] + deviations_[pixel], 0, 255));
  }
}

skin::Theme RenderTheme(const Description& d, const Layout& layout, std::int64_t detail,
                        std::uint32_t seed) {
  using namespace skin;
  Theme theme;
  theme.name = d.name;
  const bool darkFace = Luma(d.face) < 0.45;
  const Colour titleInactiveTop = Mix(Desaturate(d.titleTop, 0.65), d.face, 0.45);
  const Colour titleInactiveBottom = Mix(Desaturate(d.titleBottom, 0.65), d.face, 0.45);
  auto& c = theme.colours;
  c[kFace] = ToArgb(d.face);
  c[kFaceText] = ToArgb(d.text);
  c[kBase] = ToArgb(d.base);
  c[kBaseText] = ToArgb(d.text);
  c[kAlternateBase] = ToArgb(Mix(d.base, d.face, 0.35));
  c[kHighlight] = ToArgb(d.accent);
  c[kHighlightText] = ToArgb(Contrasting(d.accent));
  c[kLight] = ToArgb(darkFace ? Lighter(d.face, 0.25) : Lighter(d.face, 0.75));
  c[kMidlight] = ToArgb(Lighter(d.face, darkFace ? 0.12 : 0.35));
  c[kMid] = ToArgb(Darker(d.face, darkFace ? 0.25 : 0.22));
  c[kDark] = ToArgb(Darker(d.face, darkFace ? 0.45 : 0.42));
  c[kShadow] = ToArgb(Darker(d.face, 0.7));
  c[kButtonText] = ToArgb(d.buttonText);
  c[kDisabledText] = ToArgb(Mix(d.text, d.face, 0.55));
  c[kPlaceholderText] = ToArgb(Mix(d.text, d.base, 0.5));
  c[kLink] = ToArgb(darkFace ? Lighter(d.accent, 0.35) : d.accent);
  c[kTitleText] = ToArgb(d.titleText);
  // Inactive captions stay readable on their paler bar.
  const Colour inactiveMid = Mix(titleInactiveTop, titleInactiveBottom, 0.5);
  c[kTitleTextInactive] = ToArgb(Mix(Contrasting(inactiveMid), inactiveMid, 0.3));
  c[kTitleTextShadow] = ToArgb(WithAlpha(Darker(d.titleBottom, 0.55), 0.55));
  c[kFrameOuter] = ToArgb(Darker(d.titleBottom, 0.35));
  c[kFrameBody] = ToArgb(Mix(d.titleTop, d.titleBottom, 0.5));
  c[kFrameInner] = ToArgb(Darker(d.titleBottom, 0.12));
  c[kFrameOuterInactive] = ToArgb(Darker(titleInactiveBottom, 0.3));
  c[kFrameBodyInactive] = ToArgb(Mix(titleInactiveTop, titleInactiveBottom, 0.5));
  c[kFrameInnerInactive] = ToArgb(Darker(titleInactiveBottom, 0.1));
  c[kScrollGroove] = ToArgb(Mix(d.face, d.base, 0.5));
  c[kScrollHandle] = ToArgb(Mix(d.face, d.text, darkFace ? 0.3 : 0.28));
  c[kScrollHandleHover] = ToArgb(Mix(d.accent, d.text, 0.15));
  c[kToolTipBase] = ToArgb(Mix(d.base, d.accent, 0.08));
  c[kToolTipText] = ToArgb(d.text);
  c[kAccent] = ToArgb(d.accent);

  auto& m = theme.metrics;
  m[kTitleAlign] = d.titleAlign == "center" ? 1 : 0;
  m[kTitleIndent] = 8;
  m[kTitleBold] = d.titleBold ? 1 : 0;
  m[kTitleShadow] = Luma(d.titleText) > Luma(d.titleBottom) ? 1 : 0;
  m[kGrainStrength] = std::uint8_t(d.grainStrength);
  m[kPressShift] = 1;
  m[kScrollRadius] = std::uint8_t(std::clamp(d.buttonRadius + 1, 2, 8));
  m[kItemRadius] = std::uint8_t(std::clamp(d.editRadius + 1, 0, 8));

  auto& b = theme.bitmaps;
  b[kTitleActive] = DrawTitle(d, d.titleTop, d.titleBottom, layout.titleWidth);
  b[kTitleInactive] = DrawTitle(d, titleInactiveTop, titleInactiveBottom, layout.titleWidth);
  const ButtonColours normal{d.buttonTop, d.buttonBottom, d.buttonBorder};
  b[kButtonNormal] = DrawButton(d, normal);
  b[kButtonHover] = DrawButton(d, {Hover(d.buttonTop, d), Hover(d.buttonBottom, d),
                                   Mix(d.buttonBorder, d.accent, 0.55)});
  ButtonColours pressed{Darker(d.buttonBottom, 0.08), Darker(d.buttonTop, 0.02),
                        Mix(Darker(d.buttonBorder, 0.1), d.accent, 0.4)};
  pressed.pressed = true;
  pressed.shadow = 0.04;
  b[kButtonPressed] = DrawButton(d, pressed);
  ButtonColours focused{d.buttonTop, d.buttonBottom, Mix(d.buttonBorder, d.accent, 0.8)};
  focused.focusRing = true;
  b[kButtonFocused] = DrawButton(d, focused);
  ButtonColours disabled{Mix(d.buttonTop, d.face, 0.6), Mix(d.buttonBottom, d.face, 0.6),
                         Mix(d.buttonBorder, d.face, 0.5)};
  disabled.shadow = 0.03;
  b[kButtonDisabled] = DrawButton(d, disabled);
  b[kEditNormal] = DrawEdit(d, d.base, d.editBorder, false);
  b[kEditFocused] = DrawEdit(d, d.base, Mix(d.editBorder, d.accent, 0.85), true);
  b[kEditDisabled] = DrawEdit(d, Mix(d.base, d.face, 0.6), Mix(d.editBorder, d.face, 0.45), false);

  Bitmap& grain = b[kGrain];
  grain.format = PixelFormat::kGrey;
  grain.width = layout.grainWidth;
  grain.height = layout.grainHeight;
  grain.pixels.resize(std::size_t(grain.width) * grain.height);
  GrainPainter(d, grain.width, grain.height, seed).Paint(detail, grain.pixels.data());
  return theme;
}

}  // namespace qv::skingen
