#include "style/NineSlice.h"

#include <qdrawutil.h>

#include <algorithm>

namespace qv::skin {
namespace {

// Shrinks a pair of margins to fit `available`, keeping their proportion.
void FitPair(int& first, int& second, int available) {
  const int total = first + second;
  if (total <= available || total == 0) return;
  first = first * std::max(available, 0) / total;
  second = std::max(available, 0) - first;
}

}  // namespace

void DrawNineSlice(QPainter* painter, const QRect& target, const QPixmap& pixmap,
                   QMargins margins) {
  if (pixmap.isNull() || target.isEmpty()) return;
  int left = margins.left(), right = margins.right();
  int top = margins.top(), bottom = margins.bottom();
  FitPair(left, right, target.width());
  FitPair(top, bottom, target.height());
  const QMargins targetMargins(left, top, right, bottom);
  painter->save();
  painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
  qDrawBorderPixmap(painter, target, targetMargins, pixmap, pixmap.rect(), margins);
  painter->restore();
}

}  // namespace qv::skin
