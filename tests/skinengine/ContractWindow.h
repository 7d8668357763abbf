#pragma once
// A top-level window drawn the way the program's runtime draws its own: a
// frameless widget whose frame and caption come from the style, per the
// engine's title bar contract.
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QStyleOptionTitleBar>
#include <QWidget>
#include <qdrawutil.h>

namespace qv::skin::test {

inline constexpr int kFrameWidth = 3;
inline constexpr int kCaptionHeight = 22;

inline void PaintFrame(QWidget* window, QPainter& painter, bool active) {
  QStyleOptionFrame frame;
  frame.initFrom(window);
  frame.rect = window->rect();
  frame.lineWidth = kFrameWidth;
  frame.midLineWidth = 0;
  frame.state = QStyle::State_Enabled | (active ? QStyle::State_Active : QStyle::State_None);
  window->style()->drawPrimitive(QStyle::PE_FrameWindow, &frame, &painter, window);
}

inline void PaintCaption(QWidget* window, QPainter& painter, bool active) {
  QStyleOptionTitleBar title;
  title.initFrom(window);
  title.rect = QRect(kFrameWidth, kFrameWidth, window->width() - 2 * kFrameWidth, kCaptionHeight);
  title.text = window->windowTitle();
  title.icon = QIcon();
  title.titleBarFlags = Qt::Window | Qt::WindowTitleHint;
  title.subControls = QStyle::SC_TitleBarLabel;
  title.titleBarState = 0;
  title.state = QStyle::State_Enabled | (active ? QStyle::State_Active : QStyle::State_None);
  title.palette = window->palette();
  window->style()->drawComplexControl(QStyle::CC_TitleBar, &title, &painter, window);
}

class ContractWindow : public QWidget {
 public:
  ContractWindow(const QString& caption, QSize outer, bool active = true) : active_(active) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowTitle(caption);
    setFixedSize(outer);
  }
  // Places a child at client coordinates.
  void Place(QWidget* child, int x, int y, int w, int h) {
    child->setParent(this);
    child->setGeometry(kFrameWidth + x, kFrameWidth + kCaptionHeight + y, w, h);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect().adjusted(kFrameWidth, kFrameWidth + kCaptionHeight, -kFrameWidth,
                                     -kFrameWidth),
                     palette().brush(QPalette::Window));
    PaintFrame(this, painter, active_);
    PaintCaption(this, painter, active_);
  }

 private:
  bool active_;
};

// A picture box: a picture inside a sunken edge and a raised frame drawn from
// the palette's 3-D roles.
class PictureBox : public QWidget {
 public:
  explicit PictureBox(QImage picture) : picture_(std::move(picture)) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    qDrawWinPanel(&painter, rect(), palette(), false);
    qDrawWinPanel(&painter, rect().adjusted(2, 2, -2, -2), palette(), true);
    painter.drawImage(rect().adjusted(4, 4, -4, -4), picture_);
  }

 private:
  QImage picture_;
};

}  // namespace qv::skin::test
