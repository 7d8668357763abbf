#pragma once
// ToolbarWindow ("编辑 工具栏"): the three dialogue lines and the two buttons.
#include "runtime/WindowLayout.h"

namespace qv {
extern const WindowLayout ToolbarWindow;
}
