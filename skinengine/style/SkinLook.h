#pragma once
// A decoded theme turned into what drawing needs: colours, pixmaps, a palette.
#include <QColor>
#include <QImage>
#include <QMargins>
#include <QPalette>
#include <QPixmap>
#include <array>
#include <memory>

#include "format/Theme.h"

namespace qv::skin {

struct SkinLook {
  std::array<QColor, kColourCount> colours;
  std::array<int, kMetricCount> metrics{};
  std::array<QPixmap, kBitmapCount> pixmaps;
  std::array<QMargins, kBitmapCount> margins;
  QImage background;  // the face colour shaded by the grain (8-bit), tiled by brushes
  QPalette palette;

  const QColor& Colour(ColourRole role) const { return colours[role]; }
  int Metric(MetricId id) const { return metrics[id]; }
};

// Takes the theme's grain pixels over.
std::shared_ptr<const SkinLook> BuildLook(Theme&& theme);

// The palette the look gives every widget.
QPalette MakePalette(const SkinLook& look);

}  // namespace qv::skin
