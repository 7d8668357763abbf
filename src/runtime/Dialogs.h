#pragma once
// Modal interaction: the file dialog, message boxes, the pause that keeps
// dispatching, and the fatal runtime error.
#include <optional>
#include <string>
#include <string_view>

#include "runtime/WindowLayout.h"

namespace qv {

// Runs the common dialog component's dialog, modal to its window only.
// True when the user confirmed a file (the component's file name is then the
// full path); false on cancel or failure (file name unchanged).
bool RunFileDialog(const WindowLayout& window, std::string_view control);

// Dispatches every pending message (nested handlers and queued destructions
// included, a quit request left for the main loop) for the given time.
void PauseWithEvents(int milliseconds);

// Message box styles (low bits, as the classic message box styles).
inline constexpr int kMessageBoxOk = 0;
inline constexpr int kMessageBoxIconError = 0x10;
// Shows a task-modal box with no owner; the caption defaults to "信息：".
// Returns the button pressed (1 for OK).
int ShowMessageBox(std::string_view text, int style,
                   std::optional<std::string_view> caption = std::nullopt);

// Shows the fatal runtime error box and ends the process with status -1.
[[noreturn]] void RaiseRuntimeError(std::string_view message, int code = 0);
// The box's text as composed for a message and code (exposed for tests).
std::string ComposeRuntimeErrorText(std::string_view message, int code);

}  // namespace qv
