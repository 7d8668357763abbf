#pragma once
// Builds a window and its controls from a layout, hidden.
#include <memory>

#include "runtime/detail/WindowRecord.h"

namespace qv::detail {

// True when the layout can be built: a positive outer size, unique control
// names, and every named parent a picture box of the same list.
bool IsBuildable(const WindowLayout& layout);

// Creates the window hidden, its controls from the last list entry to the
// first, moves children into their containers, stacks siblings with the
// first entry on top and shows the visible controls. nullptr when the layout
// cannot be built.
std::unique_ptr<WindowRecord> BuildWindow(const WindowLayout& layout, QWidget* owner);

}  // namespace qv::detail
