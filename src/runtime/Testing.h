#pragma once
// Seams for tests only: the program itself never calls these.
#include <string>

namespace qv::testing {

// Makes GetRunDirectory return `directory` (empty string: back to the real one).
void OverrideRunDirectory(const std::string& directory);
// Forgets bound library entries and unloads their libraries.
void ResetLibraryBindings();

}  // namespace qv::testing
