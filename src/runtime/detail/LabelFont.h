#pragma once
// The font a control builds from a stored font record.
#include <QFont>

#include "runtime/WindowLayout.h"

namespace qv::detail {

// The face used when a record names none: covers simplified Chinese and has a
// real bold weight.
inline constexpr const char* kDefaultFace = "Noto Sans CJK SC";

// Height 0: the application's default GUI font. A negative height is the
// character height in pixels; a positive one the cell height, taken as the
// pixel size too. Weight 0 means normal; 700 is bold.
QFont FontFromRecord(const FontRecord& record);
// True when the record stores no font of its own (the default GUI font).
bool IsDefaultFontRecord(const FontRecord& record);

}  // namespace qv::detail
