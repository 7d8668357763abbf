#pragma once
// Single-line edit box with a sunken 3-D frame.
#include <QLineEdit>

#include "runtime/WindowLayout.h"

namespace qv::detail {

class EditBox : public QLineEdit {
  Q_OBJECT

 public:
  EditBox(const ControlLayout& layout, QWidget* parent);
};

}  // namespace qv::detail
