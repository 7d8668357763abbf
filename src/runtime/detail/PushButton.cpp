#include "runtime/detail/PushButton.h"

#include <QPainter>
#include <QStyleOptionButton>

namespace qv::detail {

PushButton::PushButton(const ControlLayout& layout, QWidget* parent) : QPushButton(parent) {
  setAutoDefault(false);
  setDefault(false);
  setText(QString::fromUtf8(layout.text.data(), qsizetype(layout.text.size())));
}

void PushButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const QString caption = option.text;
  option.text.clear();
  style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);

  QRect textRect = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
  if (isDown()) {
    textRect.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
  }
  style()->drawItemText(&painter, textRect,
                        Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, palette(),
                        isEnabled(), caption, QPalette::ButtonText);
  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
    focus.backgroundColor = palette().color(QPalette::Button);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
  }
}

}  // namespace qv::detail
