#include "runtime/detail/TransparentLabel.h"

#include <QPainter>

#include "runtime/detail/LabelFont.h"

namespace qv::detail {

namespace {

int AlignmentFlags(const LabelSettings& s) {
  int flags = 0;
  switch (s.hAlign) {
    case HAlign::Left: flags |= Qt::AlignLeft; break;
    case HAlign::Centre: flags |= Qt::AlignHCenter; break;
    case HAlign::Right: flags |= Qt::AlignRight; break;
  }
  switch (s.vAlign) {
    case VAlign::Top: flags |= Qt::AlignTop; break;
    case VAlign::Centre: flags |= Qt::AlignVCenter; break;
    case VAlign::Bottom: flags |= Qt::AlignBottom; break;
  }
  return flags;
}

}  // namespace

TransparentLabel::TransparentLabel(const ControlLayout& layout, QWidget* parent)
    : QWidget(parent),
      text_(QString::fromUtf8(layout.text.data(), qsizetype(layout.text.size()))),
      colour_(layout.label.textColour.r, layout.label.textColour.g, layout.label.textColour.b),
      wordWrap_(layout.label.wordWrap),
      effect_(layout.label.textEffect) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setAutoFillBackground(false);
  setFocusPolicy(Qt::NoFocus);
  setFont(FontFromRecord(layout.label.font));
  flags_ = AlignmentFlags(layout.label) | Qt::TextShowMnemonic |
           (wordWrap_ ? int(Qt::TextWordWrap) : int(Qt::TextSingleLine));
}

QString TransparentLabel::SingleLine(QString text) {
  text.replace(QLatin1Char('\r'), QLatin1Char(' '));
  text.replace(QLatin1Char('\n'), QLatin1Char(' '));
  return text;
}

void TransparentLabel::paintEvent(QPaintEvent*) {
  if (text_.isEmpty()) return;
  QPainter painter(this);
  painter.setClipRect(rect());
  const QString shown = wordWrap_ ? text_ : SingleLine(text_);
  auto draw = [&](const QColor& colour, int dx, int dy) {
    painter.setPen(colour);
    painter.drawText(rect().translated(dx, dy), flags_, shown);
  };
  switch (effect_) {
    case 1: draw(Qt::white, 1, 1); draw(colour_, 0, 0); break;
    case 2: draw(Qt::white, 0, 0); draw(colour_, 1, 1); break;
    case 3: draw(Qt::black, 2, 2); draw(colour_, 0, 0); break;
    default: draw(colour_, 0, 0); break;
  }
}

}  // namespace qv::detail
