#pragma once
// Ordinary push button: never a default button, Space clicks it, its caption
// is centred and wraps when it is too long for one line.
#include <QPushButton>

#include "runtime/WindowLayout.h"

namespace qv::detail {

class PushButton : public QPushButton {
  Q_OBJECT

 public:
  PushButton(const ControlLayout& layout, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace qv::detail
