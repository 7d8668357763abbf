#include "style/SkinStyle.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleFactory>
#include <QStyleOption>
#include <QAbstractButton>
#include <QWidget>

#include "style/NineSlice.h"

namespace qv::skin {
namespace {

BitmapId ButtonBitmap(QStyle::State state) {
  if (!(state & QStyle::State_Enabled)) return kButtonDisabled;
  if (state & (QStyle::State_Sunken | QStyle::State_On)) return kButtonPressed;
  if (state & QStyle::State_MouseOver) return kButtonHover;
  if (state & QStyle::State_HasFocus) return kButtonFocused;
  return kButtonNormal;
}

BitmapId EditBitmap(QStyle::State state) {
  if (!(state & QStyle::State_Enabled)) return kEditDisabled;
  if (state & QStyle::State_HasFocus) return kEditFocused;
  return kEditNormal;
}

}  // namespace

SkinStyle::SkinStyle(std::shared_ptr<const SkinLook> look)
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))), look_(std::move(look)) {}

QPalette SkinStyle::standardPalette() const { return look_->palette; }

void SkinStyle::polish(QPalette& palette) { palette = look_->palette; }

int SkinStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                           const QWidget* widget) const {
  switch (metric) {
    case PM_ButtonShiftHorizontal:
    case PM_ButtonShiftVertical:
      return look_->Metric(kPressShift);
    default:
      return QProxyStyle::pixelMetric(metric, option, widget);
  }
}

int SkinStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                         QStyleHintReturn* returnData) const {
  // Dialog buttons carry their caption alone: the desktop theme's stock
  // icons would clash with the skin's button bitmaps.
  if (hint == SH_DialogButtonBox_ButtonsHaveIcons) return 0;
  return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void SkinStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                              QPainter* painter, const QWidget* widget) const {
  switch (element) {
    case PE_FrameWindow:
      DrawWindowFrame(option, painter);
      return;
    case PE_PanelButtonCommand:
    case PE_PanelButtonBevel:
      DrawButtonPanel(option, painter);
      return;
    case PE_PanelButtonTool:
      // Flat tool buttons show a panel only while hovered, pressed or checked.
      if (option->state & (State_Sunken | State_On | State_MouseOver | State_Raised)) {
        DrawButtonPanel(option, painter);
      }
      return;
    case PE_FrameButtonTool:
    case PE_FrameButtonBevel:
    case PE_FrameDefaultButton:
      return;
    case PE_PanelLineEdit:
      DrawEditPanel(option, painter);
      return;
    case PE_FrameLineEdit:
      return;  // the edit image carries its own border
    case PE_FrameFocusRect:
      // Buttons show focus in their own image; other items keep a quiet mark.
      if (qobject_cast<const QAbstractButton*>(widget) != nullptr) return;
      break;
    case PE_PanelItemViewItem:
      DrawItemPanel(option, painter);
      return;
    default:
      break;
  }
  QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void SkinStyle::drawControl(ControlElement element, const QStyleOption* option,
                            QPainter* painter, const QWidget* widget) const {
  switch (element) {
    case CE_PushButton:
      // Bevel and label only: the focused image replaces the dotted focus frame.
      proxy()->drawControl(CE_PushButtonBevel, option, painter, widget);
      if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option)) {
        QStyleOptionButton label(*button);
        label.rect = proxy()->subElementRect(SE_PushButtonContents, option, widget);
        proxy()->drawControl(CE_PushButtonLabel, &label, painter, widget);
      }
      return;
    case CE_PushButtonBevel:
      if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option)) {
        const bool flat = button->features & QStyleOptionButton::Flat;
        if (!flat || (option->state & (State_Sunken | State_On | State_MouseOver))) {
          DrawButtonPanel(option, painter);
        }
        if (button->features & QStyleOptionButton::HasMenu) {
          QStyleOptionButton arrow(*button);
          const int size = proxy()->pixelMetric(PM_MenuButtonIndicator, option, widget);
          arrow.rect = QRect(option->rect.right() - size - 4, option->rect.center().y() - 3,
                             size, 6);
          proxy()->drawPrimitive(PE_IndicatorArrowDown, &arrow, painter, widget);
        }
        return;
      }
      break;
    case CE_PushButtonLabel:
      if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option)) {
        QStyleOptionButton label(*button);
        const QColor text = (option->state & State_Enabled) ? look_->Colour(kButtonText)
                                                            : look_->Colour(kDisabledText);
        label.palette.setColor(QPalette::ButtonText, text);
        QProxyStyle::drawControl(element, &label, painter, widget);
        return;
      }
      break;
    case CE_HeaderSection:
      DrawHeaderSection(option, painter);
      return;
    default:
      break;
  }
  QProxyStyle::drawControl(element, option, painter, widget);
}

void SkinStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                   QPainter* painter, const QWidget* widget) const {
  switch (control) {
    case CC_TitleBar:
      DrawTitleBar(option, painter);
      return;
    case CC_ScrollBar:
      DrawScrollBar(option, painter, widget);
      return;
    default:
      QProxyStyle::drawComplexControl(control, option, painter, widget);
  }
}

// The frame is drawn as rings from the outside in: an outer line, the body
// and an inner line next to the client area.
void SkinStyle::DrawWindowFrame(const QStyleOption* option, QPainter* painter) const {
  int width = 3;
  if (const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option)) {
    width = std::max(frame->lineWidth, 0);
  }
  if (width == 0) return;
  const bool active = option->state & State_Active;
  const QColor outer = look_->Colour(active ? kFrameOuter : kFrameOuterInactive);
  const QColor body = look_->Colour(active ? kFrameBody : kFrameBodyInactive);
  const QColor inner = look_->Colour(active ? kFrameInner : kFrameInnerInactive);
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing, false);
  QRect ring = option->rect;
  for (int i = 0; i < width && ring.width() > 0 && ring.height() > 0; ++i) {
    const QColor& colour = i == 0 ? outer : (i == width - 1 ? inner : body);
    painter->fillRect(QRect(ring.left(), ring.top(), ring.width(), 1), colour);
    painter->fillRect(QRect(ring.left(), ring.bottom(), ring.width(), 1), colour);
    painter->fillRect(QRect(ring.left(), ring.top(), 1, ring.height()), colour);
    painter->fillRect(QRect(ring.right(), ring.top(), 1, ring.height()), colour);
    ring.adjust(1, 1, -1, -1);
  }
  painter->restore();
}

void SkinStyle::DrawTitleBar(const QStyleOptionComplex* option, QPainter* painter) const {
  const auto* title = qstyleoption_cast<const QStyleOptionTitleBar*>(option);
  const bool active = option->state & State_Active;
  const BitmapId bitmap = active ? kTitleActive : kTitleInactive;
  DrawNineSlice(painter, option->rect, look_->pixmaps[bitmap], look_->margins[bitmap]);
  if (title == nullptr || !(option->subControls & SC_TitleBarLabel) || title->text.isEmpty()) {
    return;
  }

  painter->save();
  QFont font = painter->font();
  font.setBold(look_->Metric(kTitleBold) != 0);
  painter->setFont(font);
  const int indent = look_->Metric(kTitleIndent);
  const bool centred = look_->Metric(kTitleAlign) == 1;
  const QRect textRect = option->rect.adjusted(centred ? 4 : indent, 0, -4, 0);
  const QString text =
      painter->fontMetrics().elidedText(title->text, Qt::ElideRight, textRect.width());
  const int flags = Qt::AlignVCenter | Qt::TextSingleLine |
                    (centred ? Qt::AlignHCenter : Qt::AlignLeft);
  if (look_->Metric(kTitleShadow) != 0) {
    painter->setPen(look_->Colour(kTitleTextShadow));
    painter->drawText(textRect.translated(0, 1), flags, text);
  }
  painter->setPen(look_->Colour(active ? kTitleText : kTitleTextInactive));
  painter->drawText(textRect, flags, text);
  painter->restore();
}

void SkinStyle::DrawButtonPanel(const QStyleOption* option, QPainter* painter) const {
  const BitmapId bitmap = ButtonBitmap(option->state);
  DrawNineSlice(painter, option->rect, look_->pixmaps[bitmap], look_->margins[bitmap]);
}

void SkinStyle::DrawEditPanel(const QStyleOption* option, QPainter* painter) const {
  const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
  if (frame != nullptr && frame->lineWidth <= 0) {
    painter->fillRect(option->rect, option->palette.brush(QPalette::Base));
    return;
  }
  const BitmapId bitmap = EditBitmap(option->state);
  DrawNineSlice(painter, option->rect, look_->pixmaps[bitmap], look_->margins[bitmap]);
}

void SkinStyle::DrawScrollBar(const QStyleOptionComplex* option, QPainter* painter,
                              const QWidget* widget) const {
  const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
  if (bar == nullptr) {
    QProxyStyle::drawComplexControl(CC_ScrollBar, option, painter, widget);
    return;
  }
  const bool horizontal = bar->orientation == Qt::Horizontal;
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing, true);
  painter->fillRect(option->rect, look_->Colour(kScrollGroove));

  const QRect slider = proxy()->subControlRect(CC_ScrollBar, bar, SC_ScrollBarSlider, widget);
  if (slider.isValid() && bar->maximum > bar->minimum) {
    const bool hot = (bar->activeSubControls & SC_ScrollBarSlider) &&
                     (option->state & (State_MouseOver | State_Sunken));
    const QRectF handle = QRectF(slider).adjusted(horizontal ? 1 : 3, horizontal ? 3 : 1,
                                                  horizontal ? -1 : -3, horizontal ? -3 : -1);
    const qreal radius = std::min<qreal>(look_->Metric(kScrollRadius),
                                         std::min(handle.width(), handle.height()) / 2);
    painter->setPen(Qt::NoPen);
    painter->setBrush(look_->Colour(hot ? kScrollHandleHover : kScrollHandle));
    painter->drawRoundedRect(handle, radius, radius);
  }

  // Step arrows, drawn plainly in the groove.
  for (SubControl part : {SC_ScrollBarAddLine, SC_ScrollBarSubLine}) {
    const QRect rect = proxy()->subControlRect(CC_ScrollBar, bar, part, widget);
    if (!rect.isValid()) continue;
    QStyleOption arrow(*option);
    arrow.rect = rect.adjusted(3, 3, -3, -3);
    const bool pressed = (bar->activeSubControls & part) && (option->state & State_Sunken);
    if (pressed) painter->fillRect(rect, look_->Colour(kMid));
    arrow.palette.setColor(QPalette::ButtonText, look_->Colour(kScrollHandleHover));
    arrow.palette.setColor(QPalette::WindowText, look_->Colour(kScrollHandleHover));
    PrimitiveElement glyph;
    if (horizontal) {
      glyph = part == SC_ScrollBarAddLine ? PE_IndicatorArrowRight : PE_IndicatorArrowLeft;
    } else {
      glyph = part == SC_ScrollBarAddLine ? PE_IndicatorArrowDown : PE_IndicatorArrowUp;
    }
    proxy()->drawPrimitive(glyph, &arrow, painter, widget);
  }
  painter->restore();
}

// Selected rows are one rounded band across their cells.
void SkinStyle::DrawItemPanel(const QStyleOption* option, QPainter* painter) const {
  const auto* item = qstyleoption_cast<const QStyleOptionViewItem*>(option);
  if (item == nullptr) {
    QProxyStyle::drawPrimitive(PE_PanelItemViewItem, option, painter, nullptr);
    return;
  }
  if (item->backgroundBrush.style() != Qt::NoBrush) {
    painter->fillRect(option->rect, item->backgroundBrush);
  }
  const bool selected = option->state & State_Selected;
  const bool hovered = (option->state & State_MouseOver) && (option->state & State_Enabled);
  if (!selected && !hovered) return;
  QColor fill = look_->Colour(kHighlight);
  if (!selected) fill.setAlpha(48);
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing, true);
  painter->setPen(Qt::NoPen);
  painter->setBrush(fill);
  const qreal radius = look_->Metric(kItemRadius);
  QRectF band = QRectF(option->rect).adjusted(0, 0.5, 0, -0.5);
  using Pos = QStyleOptionViewItem::ViewItemPosition;
  const Pos pos = item->viewItemPosition;
  const bool roundLeft = pos == Pos::Beginning || pos == Pos::OnlyOne || pos == Pos::Invalid;
  const bool roundRight = pos == Pos::End || pos == Pos::OnlyOne || pos == Pos::Invalid;
  // Extend square ends past the cell so neighbouring cells join seamlessly.
  const qreal extra = radius + 1;
  QRectF shape = band.adjusted(roundLeft ? 0 : -extra, 0, roundRight ? 0 : extra, 0);
  painter->setClipRect(option->rect);
  painter->drawRoundedRect(shape, radius, radius);
  painter->restore();
}

void SkinStyle::DrawHeaderSection(const QStyleOption* option, QPainter* painter) const {
  painter->save();
  painter->fillRect(option->rect, look_->Colour(kFace));
  const QRect r = option->rect;
  painter->fillRect(QRect(r.left(), r.bottom(), r.width(), 1), look_->Colour(kAccent));
  if (const auto* header = qstyleoption_cast<const QStyleOptionHeader*>(option)) {
    if (header->position != QStyleOptionHeader::End &&
        header->position != QStyleOptionHeader::OnlyOneSection) {
      painter->fillRect(QRect(r.right(), r.top() + 4, 1, r.height() - 8), look_->Colour(kMid));
    }
  }
  if (option->state & State_Sunken) {
    painter->fillRect(r.adjusted(0, 0, 0, -1), look_->Colour(kMidlight));
  }
  painter->restore();
}

}  // namespace qv::skin
