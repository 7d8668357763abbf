#pragma once
// Applying one of the built-in skins through the skin engine library.
namespace qv {

// Installs the engine next to the program when missing, then hands it skin n
// (1..33; any other number hands it no skin).
void ApplySkin(int n);

// Lets the engine start decoding skin n (1..33) while the windows are being
// built, so that ApplySkin(n) later finds it decoded. Installs the engine
// when missing, as ApplySkin does. An engine that cannot preload, or none at
// all, is passed over without a word: ApplySkin reports what it must.
void PreloadSkin(int n);

}  // namespace qv
