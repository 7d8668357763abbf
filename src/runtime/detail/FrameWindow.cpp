#include "runtime/detail/FrameWindow.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QStyleOptionTitleBar>
#include <QWindow>

#include "runtime/detail/Edges.h"

namespace qv::detail {

namespace {

Qt::WindowFlags FlagsFor(const WindowLayout& layout) {
  Qt::WindowFlags flags = Qt::Window | Qt::FramelessWindowHint;
  if (layout.alwaysOnTop) flags |= Qt::WindowStaysOnTopHint;
  return flags;
}

}  // namespace

FrameWindow::FrameWindow(const WindowLayout& layout, QWidget* owner)
    : QWidget(owner, FlagsFor(layout)), layout_(layout), metrics_(MetricsFor(layout)) {
  setAttribute(Qt::WA_DeleteOnClose, false);
  setWindowTitle(QString::fromUtf8(layout.caption.data(), qsizetype(layout.caption.size())));
  setFixedSize(layout.outerWidth, layout.outerHeight);
  setFocusPolicy(Qt::NoFocus);
  client_ = new QWidget(this);
  client_->setObjectName(QStringLiteral("client"));
  client_->setGeometry(metrics_.ClientLeft(), metrics_.ClientTop(),
                       std::max(0, metrics_.ClientWidth(layout.outerWidth)),
                       std::max(0, metrics_.ClientHeight(layout.outerHeight)));
}

QRect FrameWindow::TitleBarRect() const {
  return QRect(metrics_.frame, metrics_.frame, width() - 2 * metrics_.frame, metrics_.titleBar);
}

bool FrameWindow::IsTabStop(QWidget* w) const {
  return w && w->isVisibleTo(const_cast<FrameWindow*>(this)) && w->isEnabled();
}

int FrameWindow::ChainIndexOf(QWidget* w) const {
  for (; w && w != this; w = w->parentWidget()) {
    for (std::size_t i = 0; i < tabChain_.size(); ++i)
      if (tabChain_[i] == w) return int(i);
  }
  return -1;
}

QWidget* FrameWindow::FirstTabStop() const {
  for (const auto& w : tabChain_)
    if (IsTabStop(w)) return w;
  return nullptr;
}

bool FrameWindow::MoveFocus(bool forward) {
  const int n = int(tabChain_.size());
  if (n == 0) return false;
  const int current = ChainIndexOf(focusWidget());
  const int step = forward ? 1 : n - 1;
  int i = current < 0 ? (forward ? n - 1 : 0) : current;
  for (int tries = 0; tries < n; ++tries) {
    i = (i + step) % n;
    if (IsTabStop(tabChain_[i])) {
      tabChain_[i]->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
      return true;
    }
  }
  return false;
}

bool FrameWindow::focusNextPrevChild(bool next) {
  MoveFocus(next);
  return true;
}

bool FrameWindow::HandleWindowKey(QKeyEvent* event, bool shortcutOverride) {
  const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
  const bool plainOrShift = !(mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
  bool ours = false;
  switch (event->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      ours = plainOrShift;
      break;
    case Qt::Key_Escape:
      ours = layout_.escCloses && mods == Qt::NoModifier;
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      // No control here is a default button: Enter moves the focus when the
      // window says so and otherwise does nothing at all.
      ours = mods == Qt::NoModifier;
      break;
    case Qt::Key_F1:
      ours = layout_.f1Help;
      break;
    default:
      break;
  }
  if (!ours) return false;
  event->accept();
  if (shortcutOverride) return true;
  switch (event->key()) {
    case Qt::Key_Tab:
      MoveFocus(!(mods & Qt::ShiftModifier));
      break;
    case Qt::Key_Backtab:
      MoveFocus(false);
      break;
    case Qt::Key_Escape:
      if (onCloseRequest) onCloseRequest();
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (layout_.enterMovesFocus) MoveFocus(true);
      break;
    default:
      break;  // F1: the program has no help file to open
  }
  return true;
}

bool FrameWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) {
    // Activation gives the focus back to the control that last had it, or on
    // the first activation to the first Tab stop.
    QWidget* focus = focusWidget();
    if (!focus || focus == this || !focus->isVisible() || !focus->isEnabled()) {
      if (QWidget* first = FirstTabStop()) first->setFocus(Qt::ActiveWindowFocusReason);
    }
  }
  return QWidget::event(event);
}

void FrameWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const bool active = isActiveWindow();
  const QStyle::State state = QStyle::State_Enabled | (active ? QStyle::State_Active
                                                              : QStyle::State_None);
  painter.fillRect(QRect(QPoint(metrics_.frame, metrics_.frame + metrics_.titleBar),
                         QPoint(width() - metrics_.frame - 1, height() - metrics_.frame - 1)),
                   palette().color(QPalette::Button));
  if (metrics_.frame > 0) {
    QStyleOptionFrame frameOpt;
    frameOpt.initFrom(this);
    frameOpt.rect = rect();
    frameOpt.lineWidth = metrics_.frame;
    frameOpt.midLineWidth = 0;
    frameOpt.state = state;
    style()->drawPrimitive(QStyle::PE_FrameWindow, &frameOpt, &painter, this);
  }
  if (metrics_.titleBar > 0) {
    QStyleOptionTitleBar titleOpt;
    titleOpt.initFrom(this);
    titleOpt.rect = TitleBarRect();
    titleOpt.text = windowTitle();
    titleOpt.icon = QIcon();
    titleOpt.titleBarFlags = Qt::Window | Qt::WindowTitleHint;
    titleOpt.subControls = QStyle::SC_TitleBarLabel;
    titleOpt.activeSubControls = QStyle::SC_None;
    titleOpt.titleBarState = 0;
    titleOpt.state = state;
    titleOpt.palette = palette();
    style()->drawComplexControl(QStyle::CC_TitleBar, &titleOpt, &painter, this);
  }
  if (metrics_.clientEdge > 0) {
    DrawSunkenEdge(painter,
                   client_->geometry().adjusted(-metrics_.clientEdge, -metrics_.clientEdge,
                                                metrics_.clientEdge, metrics_.clientEdge),
                   palette());
  }
}

void FrameWindow::changeEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::ActivationChange:
    case QEvent::StyleChange:
    case QEvent::PaletteChange:
    case QEvent::FontChange:
      update();
      break;
    default:
      break;
  }
  QWidget::changeEvent(event);
}

void FrameWindow::closeEvent(QCloseEvent* event) {
  // The system's close command is a close request: the runtime destroys the
  // window later, never from inside this event.
  event->ignore();
  if (onCloseRequest) onCloseRequest();
}

void FrameWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && layout_.movable &&
      TitleBarRect().contains(event->position().toPoint())) {
    event->accept();
    if (windowHandle() && windowHandle()->startSystemMove()) return;
    manualDrag_ = true;
    dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
    return;
  }
  QWidget::mousePressEvent(event);
}

void FrameWindow::mouseMoveEvent(QMouseEvent* event) {
  if (manualDrag_ && (event->buttons() & Qt::LeftButton)) {
    move(event->globalPosition().toPoint() - dragOffset_);
    event->accept();
    return;
  }
  QWidget::mouseMoveEvent(event);
}

void FrameWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (manualDrag_ && event->button() == Qt::LeftButton) {
    manualDrag_ = false;
    event->accept();
    return;
  }
  QWidget::mouseReleaseEvent(event);
}

}  // namespace qv::detail
