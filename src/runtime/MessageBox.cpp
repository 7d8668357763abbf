// Task-modal message boxes in the classic styles.
#include <QMessageBox>
#include <QPushButton>
#include <QString>
#include <vector>

#include "runtime/Dialogs.h"

namespace qv {
namespace {

// Classic button results.
constexpr int kIdOk = 1, kIdCancel = 2, kIdAbort = 3, kIdRetry = 4, kIdIgnore = 5, kIdYes = 6,
              kIdNo = 7;

struct ButtonSpec {
  QMessageBox::StandardButton button;
  int id;
};

std::vector<ButtonSpec> ButtonsForStyle(int style) {
  switch (style & 0x0F) {
    case 1:
      return {{QMessageBox::Ok, kIdOk}, {QMessageBox::Cancel, kIdCancel}};
    case 2:
      return {{QMessageBox::Abort, kIdAbort},
              {QMessageBox::Retry, kIdRetry},
              {QMessageBox::Ignore, kIdIgnore}};
    case 3:
      return {
          {QMessageBox::Yes, kIdYes}, {QMessageBox::No, kIdNo}, {QMessageBox::Cancel, kIdCancel}};
    case 4:
      return {{QMessageBox::Yes, kIdYes}, {QMessageBox::No, kIdNo}};
    case 5:
      return {{QMessageBox::Retry, kIdRetry}, {QMessageBox::Cancel, kIdCancel}};
    default:
      return {{QMessageBox::Ok, kIdOk}};
  }
}

QMessageBox::Icon IconForStyle(int style) {
  switch (style & 0xF0) {
    case 0x10:
      return QMessageBox::Critical;
    case 0x20:
      return QMessageBox::Question;
    case 0x30:
      return QMessageBox::Warning;
    case 0x40:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

// What closing the box without a button means: Cancel when there is one,
// else the only button, else the last one (as No in a Yes/No box).
int EscapeResult(const std::vector<ButtonSpec>& buttons) {
  for (const ButtonSpec& spec : buttons) {
    if (spec.id == kIdCancel) return kIdCancel;
  }
  return buttons.back().id;
}

}  // namespace

int ShowMessageBox(std::string_view text, int style, std::optional<std::string_view> caption) {
  const std::string_view title = caption ? *caption : std::string_view("信息：");
  QMessageBox box;  // no owner window
  box.setObjectName(QStringLiteral("qv_message_box"));
  box.setWindowTitle(QString::fromUtf8(title.data(), qsizetype(title.size())));
  box.setTextFormat(Qt::PlainText);
  box.setText(QString::fromUtf8(text.data(), qsizetype(text.size())));
  box.setIcon(IconForStyle(style));
  box.setWindowModality(Qt::ApplicationModal);

  const std::vector<ButtonSpec> buttons = ButtonsForStyle(style);
  std::vector<QAbstractButton*> created;
  for (const ButtonSpec& spec : buttons) created.push_back(box.addButton(spec.button));
  const std::size_t defaultIndex = std::size_t((style >> 8) & 0x0F);
  box.setDefaultButton(
      static_cast<QPushButton*>(created[defaultIndex < created.size() ? defaultIndex : 0]));
  const int escapeId = EscapeResult(buttons);
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    if (buttons[i].id == escapeId) box.setEscapeButton(created[i]);
  }

  box.exec();
  QAbstractButton* clicked = box.clickedButton();
  for (std::size_t i = 0; i < created.size(); ++i) {
    if (created[i] == clicked) return buttons[i].id;
  }
  return escapeId;
}

}  // namespace qv
