#pragma once
// A decoded theme turned into what drawing needs: colours, pixmaps, a palette.
#include <QColor>
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
  QPixmap background;  // the face colour shaded by the grain, tiled by brushes
  QPalette palette;

  const QColor& Colour(ColourRole role) const { return colours[role]; }
  int Metric(MetricId id) const { return metrics[id]; }
};

std::shared_ptr<const SkinLook> BuildLook(const Theme& theme);

// The palette the look gives every widget.
QPalette MakePalette(const SkinLook& look);

}  // namespace qv::skin
