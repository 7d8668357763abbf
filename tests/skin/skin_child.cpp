// A child program for the fatal cases: sets the run directory, applies a skin
// and, if a modal box comes up, prints its text and closes it. Prints
// "RETURNED" when ApplySkin comes back.
//   skin_child <run directory> <skin number> [fail-allocation]
#include <unistd.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

#include "runtime/Testing.h"
#include "skin/ApplySkin.h"

namespace {
bool failArrayAllocations = false;

std::string TextOf(QWidget* box) {
  if (auto* message = qobject_cast<QMessageBox*>(box)) return message->text().toStdString();
  std::string text;
  for (QLabel* label : box->findChildren<QLabel*>()) text += label->text().toStdString();
  return text;
}
}  // namespace

// Lets the test make the skin copy's allocation fail.
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  if (failArrayAllocations) return nullptr;
  try {
    return ::operator new[](size);
  } catch (...) {
    return nullptr;
  }
}

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  ::alarm(30);  // never hang the suite
  QApplication app(argc, argv);
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [] {
    QWidget* box = QApplication::activeModalWidget();
    if (box == nullptr) return;
    std::printf("BOX:%s\n", TextOf(box).c_str());
    std::fflush(stdout);
    if (auto* dialog = qobject_cast<QDialog*>(box)) {
      dialog->done(QDialog::Accepted);
    } else {
      box->close();
    }
  });
  poll.start(10);
  qv::testing::OverrideRunDirectory(argv[1]);
  failArrayAllocations = argc > 3 && std::strcmp(argv[3], "fail-allocation") == 0;
  qv::ApplySkin(std::atoi(argv[2]));
  failArrayAllocations = false;
  std::printf("RETURNED\n");
  return 0;
}
