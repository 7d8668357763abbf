#pragma once
// Classic 3-D edges drawn from the palette's bevel roles (Light, Midlight,
// Mid, Dark, Shadow), one-pixel rings from the outside in.
#include <QPalette>
#include <QRect>

#include "runtime/WindowLayout.h"

class QPainter;

namespace qv::detail {

// Draws a ring one pixel wide along the inside of `r`: top and left in
// `topLeft`, bottom and right in `bottomRight`.
void DrawRing(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight);

// A 2-pixel sunken client edge inside `r`; returns the rectangle within it.
QRect DrawSunkenEdge(QPainter& painter, const QRect& r, const QPalette& palette);
// A 3-pixel raised dialog frame inside `r`; returns the rectangle within it.
QRect DrawDialogFrame(QPainter& painter, const QRect& r, const QPalette& palette);

// Picture box borders: 0 none, 1 sunken client edge (2 px), 2 raised dialog
// frame (3 px), 3 thin static edge (1 px), 4 dialog frame outside and client
// edge inside (5 px), 5 single dark line (1 px).
int PictureBorderWidth(PictureBorder border);
void DrawPictureBorder(QPainter& painter, const QRect& r, PictureBorder border,
                       const QPalette& palette);

}  // namespace qv::detail
