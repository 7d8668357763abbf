#pragma once
// Reading and writing one setting of one control of a loaded window. Controls
// are addressed by window and name. Texts are UTF-8. Every accessor on a
// window that is not loaded raises the fatal runtime error
// "未载入欲访问窗口组件所在的窗口".
#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/ByteBuffer.h"
#include "runtime/WindowLayout.h"

namespace qv {

// Native window handle of a control or window: 0 never names a window.
using WindowHandle = std::uintptr_t;

std::string GetEditText(const WindowLayout& window, std::string_view control);
void SetEditText(const WindowLayout& window, std::string_view control, std::string_view text);

// Sets a transparent label's caption and redraws what lies beneath it at once.
void SetLabelCaption(const WindowLayout& window, std::string_view control, std::string_view text);
std::string GetLabelCaption(const WindowLayout& window, std::string_view control);

// Picture box: stores a copy of the bytes, decodes them, repaints. Empty clears.
void SetPicture(const WindowLayout& window, std::string_view control, ByteView bytes);
ByteBuffer GetPicture(const WindowLayout& window, std::string_view control);

// Common dialog component.
void SetDialogFilter(const WindowLayout& window, std::string_view control, std::string_view filter);
std::string GetDialogFileName(const WindowLayout& window, std::string_view control);

WindowHandle GetWindowHandle(const WindowLayout& window, std::string_view control);
WindowHandle GetWindowHandle(const WindowLayout& window);  // the top-level window

}  // namespace qv
