#pragma once
// The program's two windows and its dialogs, built from plain widgets in the
// program's layout, for looking at a skin.
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QMessageBox>
#include <QPushButton>
#include <memory>

#include "ContractWindow.h"

namespace qv::skin::test {

inline QPushButton* Button(const QString& text) {
  auto* button = new QPushButton(text);
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

inline std::unique_ptr<ContractWindow> MakeToolbar(bool active = true) {
  auto window = std::make_unique<ContractWindow>(QStringLiteral("编辑 工具栏"), QSize(331, 196),
                                                 active);
  const QString labels[] = {QStringLiteral("对话一"), QStringLiteral("对话二"),
                            QStringLiteral("对话三")};
  const QString lines[] = {QStringLiteral("今天的风好大"), QString(), QString()};
  for (int i = 0; i < 3; ++i) {
    auto* label = new QLabel(labels[i]);
    window->Place(label, 8, 8 + 40 * i + (i == 2 ? 8 : 0), 40, 24);
    auto* edit = new QLineEdit(lines[i]);
    window->Place(edit, 56, 8 + 40 * i + (i == 2 ? 8 : 0), 256, 24);
  }
  window->Place(Button(QStringLiteral("生成效果")), 16, 136, 232, 24);
  window->Place(Button(QStringLiteral("关闭")), 264, 136, 48, 24);
  return window;
}

inline QImage SamplePicture(QSize size) {
  QImage picture(size, QImage::Format_RGB32);
  QPainter painter(&picture);
  QLinearGradient sky(0, 0, 0, size.height());
  sky.setColorAt(0, QColor(0x8c, 0xb8, 0xe0));
  sky.setColorAt(0.55, QColor(0xf2, 0xd9, 0xb8));
  sky.setColorAt(1, QColor(0x5a, 0x6e, 0x4a));
  painter.fillRect(picture.rect(), sky);
  painter.setBrush(QColor(0xff, 0xf4, 0xd0));
  painter.setPen(Qt::NoPen);
  painter.drawEllipse(QPoint(size.width() * 2 / 3, size.height() / 4), 34, 34);
  QFont font = painter.font();
  font.setBold(true);
  font.setPixelSize(14);
  painter.setFont(font);
  painter.setPen(QColor(0xd8, 0xd8, 0xd8));
  painter.drawText(QRect(0, 160, size.width(), 20), Qt::AlignCenter, QStringLiteral("今天的风好大"));
  return picture;
}

inline std::unique_ptr<ContractWindow> MakeStage(bool active = true) {
  auto window =
      std::make_unique<ContractWindow>(QStringLiteral("Quorvane"), QSize(379, 668), active);
  window->Place(new PictureBox(SamplePicture(QSize(344, 576))), 9, 8, 352, 584);
  window->Place(Button(QStringLiteral("打开图片")), 16, 600, 104, 32);
  window->Place(Button(QStringLiteral("保存图片")), 136, 600, 112, 32);
  window->Place(Button(QStringLiteral("关闭")), 256, 600, 104, 32);
  return window;
}

inline std::unique_ptr<QMessageBox> MakeMessageBox() {
  auto box = std::make_unique<QMessageBox>(QMessageBox::Information, QStringLiteral("信息："),
                                           QStringLiteral("以保存到D盘内"), QMessageBox::Ok);
  return box;
}

inline std::unique_ptr<QFileDialog> MakeFileDialog(const QString& directory) {
  auto dialog = std::make_unique<QFileDialog>(nullptr, QStringLiteral("打开"), directory,
                                              QStringLiteral("图片文件 (*.jpg)"));
  dialog->setOption(QFileDialog::DontUseNativeDialog, true);
  dialog->setFileMode(QFileDialog::ExistingFile);
  dialog->resize(560, 380);
  return dialog;
}

}  // namespace qv::skin::test
