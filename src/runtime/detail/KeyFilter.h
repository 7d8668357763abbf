#pragma once
// Gives each loaded window its keys (Tab, Shift+Tab, Esc, Enter, F1) before
// the focused control sees them.
namespace qv::detail {

// Installs the application-wide filter once.
void EnsureWindowKeyFilter();

}  // namespace qv::detail
