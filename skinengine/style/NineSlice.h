#pragma once
// Drawing a pixmap stretched to a rectangle with its corners kept.
#include <QMargins>
#include <QPainter>
#include <QPixmap>
#include <QRect>

namespace qv::skin {

void DrawNineSlice(QPainter* painter, const QRect& target, const QPixmap& pixmap,
                   QMargins margins);

}  // namespace qv::skin
