#pragma once
// Windows built from layouts, their life cycle and the message loop.
#include "runtime/WindowLayout.h"

namespace qv {

// Sets the runtime up: default GUI font, application icon, the program's
// directory as the current directory. Needs an existing QApplication. The
// icon, used for every window and taskbar entry, is a pixel block: width and
// height as 32-bit little-endian numbers, then the rows top to bottom, each
// pixel as blue, green, red, alpha (straight). A malformed block is ignored.
void InitialiseRuntime(ByteView applicationIcon = {});
// The same with the icon in several sizes, one pixel block each; the window
// system picks the size it shows.
void InitialiseRuntime(std::span<const ByteView> applicationIcons);
// End-of-program clean-up: releases the libraries bound by CallLibraryEntry.
// Called after the QApplication is gone.
void ShutdownRuntime();

// Builds the window from its layout, runs its created handler, shows and
// activates it. A loaded window is only brought forward; one marked for
// unloading is destroyed at once and built anew. True on success.
bool LoadWindow(const WindowLayout& window, const WindowLayout* parent = nullptr,
                bool modal = false);
// Marks the window and queues its destruction; returns at once.
void UnloadWindow(const WindowLayout& window);
// True from the end of LoadWindow's creation until the window is destroyed.
bool IsWindowLoaded(const WindowLayout& window);
// Arms "end when no window is left" and dispatches until told to quit.
void RunMessageLoop();

}  // namespace qv
