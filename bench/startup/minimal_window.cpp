// The reference for start-up time: one frameless fixed-size window with a
// title bar drawn through the style, shown and activated the way the
// program's windows are, and nothing else.
#include <QApplication>
#include <QPainter>
#include <QStyleOptionTitleBar>
#include <QWidget>

namespace {

class MinimalWindow : public QWidget {
 public:
  MinimalWindow() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
    setWindowTitle(QStringLiteral("Minimal"));
    setFixedSize(379, 668);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    QStyleOptionTitleBar title;
    title.initFrom(this);
    title.rect = QRect(3, 3, width() - 6, 22);
    title.text = windowTitle();
    title.titleBarFlags = Qt::Window | Qt::WindowTitleHint;
    title.subControls = QStyle::SC_TitleBarLabel;
    style()->drawComplexControl(QStyle::CC_TitleBar, &title, &painter, this);
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  MinimalWindow window;
  window.move(450, 178);
  window.show();
  window.raise();
  window.activateWindow();
  return app.exec();
}
