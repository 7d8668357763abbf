#pragma once
// Installing the skin engine library next to the program.

namespace qv {

// Writes the built-in "SkinH_EL.dll" into the run directory, hidden, unless
// something of that name is already there. Reports nothing.
void EnsureSkinEngineFile();

}  // namespace qv
