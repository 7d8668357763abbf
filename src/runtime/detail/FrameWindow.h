#pragma once
// A loaded window: a frameless top-level widget of fixed outer size that draws
// its own frame and title bar through the style, holds the controls in a
// client-area child and runs the window-level keys (Tab, Esc, Enter, F1).
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

#include "runtime/WindowLayout.h"
#include "runtime/detail/NonClientMetrics.h"

class QKeyEvent;

namespace qv::detail {

class FrameWindow : public QWidget {
  Q_OBJECT

 public:
  explicit FrameWindow(const WindowLayout& layout, QWidget* owner = nullptr);

  QWidget* ClientArea() const { return client_; }
  const NonClientMetrics& Metrics() const { return metrics_; }
  QRect TitleBarRect() const;

  // Candidate Tab stops in Tab order; only the visible and enabled ones count.
  void SetTabChain(std::vector<QPointer<QWidget>> chain) { tabChain_ = std::move(chain); }
  QWidget* FirstTabStop() const;
  // Moves the focus to the next (or previous) Tab stop, wrapping. False when
  // the window has none.
  bool MoveFocus(bool forward);

  // Called for Esc when the window's Esc setting is on and for the system's
  // close command; the runtime queues the window's destruction.
  std::function<void()> onCloseRequest;

  // Handles a key before the focused control sees it. True when consumed.
  bool HandleWindowKey(QKeyEvent* event, bool shortcutOverride);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  bool IsTabStop(QWidget* w) const;
  int ChainIndexOf(QWidget* w) const;

  const WindowLayout& layout_;
  NonClientMetrics metrics_;
  QWidget* client_ = nullptr;
  std::vector<QPointer<QWidget>> tabChain_;
  bool manualDrag_ = false;
  QPoint dragOffset_;
};

}  // namespace qv::detail
