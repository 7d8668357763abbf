#include "style/SkinLook.h"

#include <QImage>
#include <algorithm>
#include <cmath>

namespace qv::skin {
namespace {

QPixmap ToPixmap(const Bitmap& bitmap) {
  const QImage view(bitmap.pixels.data(), bitmap.width, bitmap.height, bitmap.width * 4,
                    QImage::Format_RGBA8888);
  return QPixmap::fromImage(view.convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

// The grain shades the face colour: 128 leaves it, every step away moves each
// channel by strength/100 of a level.
QPixmap ShadeFace(const Bitmap& grain, QColor face, int strength) {
  QImage tile(grain.width, grain.height, QImage::Format_RGB32);
  const int r = face.red(), g = face.green(), b = face.blue();
  std::array<QRgb, 256> shades;
  for (int level = 0; level < 256; ++level) {
    const int delta = static_cast<int>(std::lround((level - 128) * strength / 100.0));
    shades[level] = qRgb(std::clamp(r + delta, 0, 255), std::clamp(g + delta, 0, 255),
                         std::clamp(b + delta, 0, 255));
  }
  for (int y = 0; y < grain.height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(tile.scanLine(y));
    const std::uint8_t* source = grain.pixels.data() + std::size_t(y) * grain.width;
    for (int x = 0; x < grain.width; ++x) line[x] = shades[source[x]];
  }
  return QPixmap::fromImage(tile);
}

}  // namespace

QPalette MakePalette(const SkinLook& look) {
  QPalette palette;
  auto set = [&](QPalette::ColorRole role, ColourRole colour) {
    palette.setColor(QPalette::All, role, look.Colour(colour));
  };
  set(QPalette::Window, kFace);
  set(QPalette::Button, kFace);
  set(QPalette::WindowText, kFaceText);
  set(QPalette::ButtonText, kButtonText);
  set(QPalette::Base, kBase);
  set(QPalette::AlternateBase, kAlternateBase);
  set(QPalette::Text, kBaseText);
  set(QPalette::BrightText, kHighlightText);
  set(QPalette::Light, kLight);
  set(QPalette::Midlight, kMidlight);
  set(QPalette::Mid, kMid);
  set(QPalette::Dark, kDark);
  set(QPalette::Shadow, kShadow);
  set(QPalette::Highlight, kHighlight);
  set(QPalette::HighlightedText, kHighlightText);
  set(QPalette::Link, kLink);
  set(QPalette::LinkVisited, kLink);
  set(QPalette::ToolTipBase, kToolTipBase);
  set(QPalette::ToolTipText, kToolTipText);
  set(QPalette::PlaceholderText, kPlaceholderText);
  if (!look.background.isNull()) {
    palette.setBrush(QPalette::All, QPalette::Window,
                     QBrush(look.Colour(kFace), look.background));
  }
  const QColor disabled = look.Colour(kDisabledText);
  for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                    QPalette::PlaceholderText}) {
    palette.setColor(QPalette::Disabled, role, disabled);
  }
  palette.setColor(QPalette::Disabled, QPalette::Base, look.Colour(kFace));
  palette.setColor(QPalette::Disabled, QPalette::Highlight, look.Colour(kMid));
  // Selections stay readable when the window is not active.
  palette.setColor(QPalette::Inactive, QPalette::Highlight, look.Colour(kHighlight));
  return palette;
}

std::shared_ptr<const SkinLook> BuildLook(const Theme& theme) {
  auto look = std::make_shared<SkinLook>();
  for (int i = 0; i < kColourCount; ++i) {
    look->colours[i] = QColor::fromRgba(theme.colours[i]);
  }
  for (int i = 0; i < kMetricCount; ++i) look->metrics[i] = theme.metrics[i];
  for (int i = 0; i < kBitmapCount; ++i) {
    const Bitmap& bitmap = theme.bitmaps[i];
    const auto& m = bitmap.margins;
    look->margins[i] = QMargins(m[0], m[1], m[2], m[3]);
    if (bitmap.format == PixelFormat::kRgba) look->pixmaps[i] = ToPixmap(bitmap);
  }
  look->background = ShadeFace(theme.bitmaps[kGrain], look->Colour(kFace),
                               theme.metrics[kGrainStrength]);
  look->palette = MakePalette(*look);
  return look;
}

}  // namespace qv::skin
