#pragma once
// StageWindow ("Quorvane"): the picture with the dialogue captions over it.
#include "runtime/WindowLayout.h"

namespace qv {
extern const WindowLayout StageWindow;
}
