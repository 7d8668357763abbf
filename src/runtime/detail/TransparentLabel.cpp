#include "runtime/detail/TransparentLabel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QtMath>

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
  // A label without a font of its own follows the application's GUI font.
  if (!IsDefaultFontRecord(layout.label.font)) setFont(FontFromRecord(layout.label.font));
  flags_ = AlignmentFlags(layout.label) |
           (wordWrap_ ? int(Qt::TextWordWrap) : int(Qt::TextSingleLine));
}

QString TransparentLabel::SingleLine(QString text) {
  text.replace(QLatin1Char('\r'), QLatin1Char(' '));
  text.replace(QLatin1Char('\n'), QLatin1Char(' '));
  return text;
}

QRect TransparentLabel::LineRect() const {
  // Centre the em box, not the font's full line box: the CJK face has tall
  // ascent and descent, and centring those sets glyphs low enough to lose
  // their bottom row and the mnemonic underline. The baseline lies 0.88 em
  // below the em box's top, as ideographic fonts place it.
  if (wordWrap_ || !(flags_ & Qt::AlignVCenter)) return rect();
  const QFontMetricsF metrics(font());
  const qreal em = font().pixelSize() > 0 ? font().pixelSize() : metrics.height();
  const qreal baseline = (height() - em) / 2 + em * 0.88;
  const int top = qRound(baseline - metrics.ascent());
  return QRect(0, top, width(), qCeil(metrics.height()) + 1);
}

TransparentLabel::Mnemonic TransparentLabel::StripMnemonics(const QString& text) {
  Mnemonic m;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] != QLatin1Char('&')) {
      m.text += text[i];
    } else if (i + 1 < text.size()) {
      if (text[i + 1] != QLatin1Char('&')) m.underlined.push_back(int(m.text.size()));
      m.text += text[++i];
    }
  }
  return m;
}

void TransparentLabel::paintEvent(QPaintEvent*) {
  if (text_.isEmpty()) return;
  QPainter painter(this);
  painter.setClipRect(rect());
  if (wordWrap_) {
    DrawWithEffect([&](const QColor& colour, int dx, int dy) {
      painter.setPen(colour);
      painter.drawText(rect().translated(dx, dy), flags_ | Qt::TextShowMnemonic, text_);
    });
    return;
  }
  // One line: prefix characters are resolved here so the underline can be
  // kept inside the label even where the font puts it below the last row.
  const Mnemonic line = StripMnemonics(SingleLine(text_));
  const QRect box = LineRect();
  const int flags = box == rect() ? flags_ : ((flags_ & ~Qt::AlignVertical_Mask) | Qt::AlignTop);
  const QFontMetricsF metrics(font());
  const qreal lineWidth = std::max<qreal>(1, metrics.lineWidth());
  DrawWithEffect([&](const QColor& colour, int dx, int dy) {
    painter.setPen(colour);
    QRectF drawn;
    painter.drawText(QRectF(box.translated(dx, dy)), flags, line.text, &drawn);
    if (line.underlined.empty()) return;
    const qreal baseline = drawn.top() + metrics.ascent();
    const qreal y = std::min(baseline + metrics.underlinePos(), height() - lineWidth + dy);
    for (int index : line.underlined) {
      const qreal x0 = drawn.left() + metrics.horizontalAdvance(line.text.left(index));
      const qreal x1 = drawn.left() + metrics.horizontalAdvance(line.text.left(index + 1));
      painter.fillRect(QRectF(x0, y, x1 - x0, lineWidth), colour);
    }
  });
}

void TransparentLabel::DrawWithEffect(
    const std::function<void(const QColor&, int, int)>& draw) const {
  switch (effect_) {
    case 1: draw(Qt::white, 1, 1); draw(colour_, 0, 0); break;
    case 2: draw(Qt::white, 0, 0); draw(colour_, 1, 1); break;
    case 3: draw(Qt::black, 2, 2); draw(colour_, 0, 0); break;
    default: draw(colour_, 0, 0); break;
  }
}

}  // namespace qv::detail
