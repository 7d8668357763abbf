#pragma once
// Runtime-internal access to the live widgets behind windows and controls.
// Used by the runtime's own operations (file dialog, snapshots); never by
// program code.
#include <string>
#include <string_view>

#include "runtime/Controls.h"
#include "runtime/WindowLayout.h"

class QWidget;

namespace qv::detail {

// The widget a handle names, or nullptr when it names no live window.
QWidget* WidgetForHandle(WindowHandle handle);
// The top-level widget of a loaded window, or nullptr when it is not loaded.
QWidget* TopLevelWidget(const WindowLayout& window);

// Run-time state of a common dialog component (starts from its layout).
struct CommonDialogState {
  CommonDialogSettings settings;  // flags and type from the layout
  std::string title;
  std::string filter;
  std::string fileName;
  std::string initialDirectory;
  std::string defaultExtension;
  int filterIndex = 0;
};
// The component's state; raises the fatal "window not loaded" error when the
// window is not loaded.
CommonDialogState& FindCommonDialog(const WindowLayout& window, std::string_view control);

}  // namespace qv::detail
