// The reference for start-up time: one frameless fixed-size window with a
// title bar drawn through the style, shown and activated the way the
// program's windows are, and nothing else.
// With --edit-box it also holds one edit box in the program's GUI font, to
// show what the first text control costs any Qt window before it is mapped.
#include <QApplication>
#include <QLineEdit>
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
  if (argc > 1 && QByteArray(argv[1]) == "--edit-box") {
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPixelSize(12);
    QApplication::setFont(font);
    auto* edit = new QLineEdit(&window);
    edit->setGeometry(64, 40, 240, 21);
    edit->setFocus();
  }
  window.show();
  window.raise();
  window.activateWindow();
  return app.exec();
}
