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
// channel by strength/100 of a level. The tile is the grain itself with the
// 256 shades as its colour table: a quarter of a 32-bit tile's memory, and
// the grain's bytes are taken over, not copied.
QImage ShadeFace(Bitmap&& grain, QColor face, int strength) {
  auto* pixels = new std::vector<std::uint8_t>(std::move(grain.pixels));
  QImage tile(
      pixels->data(), grain.width, grain.height, grain.width, QImage::Format_Indexed8,
      [](void* owner) { delete static_cast<std::vector<std::uint8_t>*>(owner); }, pixels);
  if (tile.isNull()) {  // the cleanup runs only for an image that was made
    delete pixels;
    return QImage();
  }
  const int r = face.red(), g = face.green(), b = face.blue();
  QList<QRgb> shades(256);
  for (int level = 0; level < 256; ++level) {
    const int delta = static_cast<int>(std::lround((level - 128) * strength / 100.0));
    shades[level] = qRgb(std::clamp(r + delta, 0, 255), std::clamp(g + delta, 0, 255),
                         std::clamp(b + delta, 0, 255));
  }
  tile.setColorTable(shades);
  return tile;
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
    QBrush window(look.background);
    window.setColor(look.Colour(kFace));
    palette.setBrush(QPalette::All, QPalette::Window, window);
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

std::shared_ptr<const SkinLook> BuildLook(Theme&& theme) {
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
  look->background = ShadeFace(std::move(theme.bitmaps[kGrain]), look->Colour(kFace),
                               theme.metrics[kGrainStrength]);
  look->palette = MakePalette(*look);
  return look;
}

}  // namespace qv::skin
