// Reading and writing control settings of loaded windows.
#include "runtime/Controls.h"

#include "runtime/detail/EditBox.h"
#include "runtime/detail/FrameWindow.h"
#include "runtime/detail/PictureBox.h"
#include "runtime/detail/TransparentLabel.h"
#include "runtime/detail/WindowRecord.h"

namespace qv {

namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

std::string ToUtf8(const QString& text) { return text.toUtf8().toStdString(); }

template <typename Widget>
Widget& Require(const WindowLayout& window, std::string_view control, ControlKind kind) {
  return *static_cast<Widget*>(detail::RequireControl(window, control, kind).widget.data());
}

}  // namespace

std::string GetEditText(const WindowLayout& window, std::string_view control) {
  return ToUtf8(Require<detail::EditBox>(window, control, ControlKind::EditBox).text());
}

void SetEditText(const WindowLayout& window, std::string_view control, std::string_view text) {
  auto& edit = Require<detail::EditBox>(window, control, ControlKind::EditBox);
  edit.setText(FromUtf8(text));
  edit.setCursorPosition(0);
}

void SetLabelCaption(const WindowLayout& window, std::string_view control, std::string_view text) {
  auto& label = Require<detail::TransparentLabel>(window, control, ControlKind::TransparentLabel);
  label.StoreText(FromUtf8(text));
  // Repaint now. The label is not opaque, so the backing store first paints
  // what lies beneath it (the picture) and then every label there on top:
  // the old text vanishes without a trace before the new one is drawn.
  label.repaint();
  label.update();
}

std::string GetLabelCaption(const WindowLayout& window, std::string_view control) {
  return ToUtf8(
      Require<detail::TransparentLabel>(window, control, ControlKind::TransparentLabel).Text());
}

void SetPicture(const WindowLayout& window, std::string_view control, ByteView bytes) {
  Require<detail::PictureBox>(window, control, ControlKind::PictureBox).SetPicture(bytes);
}

ByteBuffer GetPicture(const WindowLayout& window, std::string_view control) {
  return Require<detail::PictureBox>(window, control, ControlKind::PictureBox).Picture();
}

void SetDialogFilter(const WindowLayout& window, std::string_view control,
                     std::string_view filter) {
  detail::FindCommonDialog(window, control).filter = std::string(filter);
}

std::string GetDialogFileName(const WindowLayout& window, std::string_view control) {
  return detail::FindCommonDialog(window, control).fileName;
}

WindowHandle GetWindowHandle(const WindowLayout& window, std::string_view control) {
  detail::ControlRecord* c = detail::RequireWindow(window).Find(control);
  return c && c->widget ? c->handle : 0;
}

WindowHandle GetWindowHandle(const WindowLayout& window) {
  return detail::RequireWindow(window).handle;
}

namespace detail {

QWidget* WidgetForHandle(WindowHandle handle) {
  const auto& handles = State().handles;
  const auto it = handles.find(handle);
  return it == handles.end() ? nullptr : it->second.data();
}

QWidget* TopLevelWidget(const WindowLayout& window) {
  WindowRecord* record = FindWindow(window);
  return record ? record->window.data() : nullptr;
}

CommonDialogState& FindCommonDialog(const WindowLayout& window, std::string_view control) {
  return RequireControl(window, control, ControlKind::CommonDialog).dialog;
}

}  // namespace detail

}  // namespace qv
