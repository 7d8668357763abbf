#include "runtime/detail/Edges.h"

#include <QPainter>

namespace qv::detail {

void DrawRing(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
  if (r.width() <= 0 || r.height() <= 0) return;
  // Bottom and right first, so the top-left colour owns the corners it meets.
  painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
  painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
  painter.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), topLeft);
  painter.fillRect(QRect(r.left(), r.top(), 1, r.height() - 1), topLeft);
}

QRect DrawSunkenEdge(QPainter& painter, const QRect& r, const QPalette& palette) {
  DrawRing(painter, r, palette.color(QPalette::Dark), palette.color(QPalette::Light));
  const QRect inner = r.adjusted(1, 1, -1, -1);
  DrawRing(painter, inner, palette.color(QPalette::Shadow), palette.color(QPalette::Midlight));
  return inner.adjusted(1, 1, -1, -1);
}

QRect DrawDialogFrame(QPainter& painter, const QRect& r, const QPalette& palette) {
  DrawRing(painter, r, palette.color(QPalette::Midlight), palette.color(QPalette::Shadow));
  const QRect middle = r.adjusted(1, 1, -1, -1);
  DrawRing(painter, middle, palette.color(QPalette::Light), palette.color(QPalette::Dark));
  const QRect inner = middle.adjusted(1, 1, -1, -1);
  const QColor face = palette.color(QPalette::Button);
  DrawRing(painter, inner, face, face);
  return inner.adjusted(1, 1, -1, -1);
}

int PictureBorderWidth(PictureBorder border) {
  switch (border) {
    case PictureBorder::None: return 0;
    case PictureBorder::Sunken: return 2;
    case PictureBorder::DialogFrame: return 3;
    case PictureBorder::Static: return 1;
    case PictureBorder::SunkenDialogFrame: return 5;
    case PictureBorder::Single: return 1;
  }
  return 0;
}

void DrawPictureBorder(QPainter& painter, const QRect& r, PictureBorder border,
                       const QPalette& palette) {
  switch (border) {
    case PictureBorder::None:
      break;
    case PictureBorder::Sunken:
      DrawSunkenEdge(painter, r, palette);
      break;
    case PictureBorder::DialogFrame:
      DrawDialogFrame(painter, r, palette);
      break;
    case PictureBorder::Static:
      DrawRing(painter, r, palette.color(QPalette::Dark), palette.color(QPalette::Light));
      break;
    case PictureBorder::SunkenDialogFrame:
      DrawSunkenEdge(painter, DrawDialogFrame(painter, r, palette), palette);
      break;
    case PictureBorder::Single: {
      const QColor line = palette.color(QPalette::Shadow);
      DrawRing(painter, r, line, line);
      break;
    }
  }
}

}  // namespace qv::detail
