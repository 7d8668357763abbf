#include "runtime/detail/EditBox.h"

namespace qv::detail {

EditBox::EditBox(const ControlLayout& layout, QWidget* parent) : QLineEdit(parent) {
  setFrame(true);
  setReadOnly(layout.edit.readOnly);
  if (layout.edit.password) setEchoMode(QLineEdit::Password);
  if (layout.edit.maxLength > 0) setMaxLength(layout.edit.maxLength);
  setText(QString::fromUtf8(layout.text.data(), qsizetype(layout.text.size())));
  setCursorPosition(0);
}

}  // namespace qv::detail
