#pragma once
// Applying one of the built-in skins through the skin engine library.
namespace qv {

// Installs the engine next to the program when missing, then hands it skin n
// (1..33; any other number hands it no skin).
void ApplySkin(int n);

}  // namespace qv
