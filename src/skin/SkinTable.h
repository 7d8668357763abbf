#pragma once
// The program's built-in skins and the skin engine's library image, each a
// block in the stored form (32-bit 1, 32-bit length, bytes).
#include <array>
#include <cstdint>

namespace qv {

inline constexpr int kSkinCount = 33;

// Skin n (1..33) is SkinTable[n - 1].
extern const std::array<const std::uint8_t*, kSkinCount> SkinTable;
// The file image of "SkinH_EL.dll", as built from this source tree.
extern const std::uint8_t* const SkinEngineImage;

}  // namespace qv
