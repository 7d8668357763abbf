// The fatal runtime error: a box owned by no window, then the process ends.
#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <iostream>
#include <unistd.h>

#include "runtime/Dialogs.h"

namespace qv {

std::string ComposeRuntimeErrorText(std::string_view message, int code) {
  std::string text = "运行时出错!\n\n";
  if (code != 0) text += "错误代码：" + std::to_string(code) + "\n\n";
  if (!message.empty()) text += "错误信息：" + std::string(message);
  return text;
}

void RaiseRuntimeError(std::string_view message, int code) {
  const std::string text = ComposeRuntimeErrorText(message, code);
  if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("错误"), QString::fromStdString(text),
                    QMessageBox::Ok);
    box.exec();
  } else {
    std::cerr << text << std::endl;
  }
  // Nothing of the program may run after this: no destructors, no handlers.
  std::cout.flush();
  std::cerr.flush();
  std::fflush(nullptr);
  _exit(255);
}

}  // namespace qv
