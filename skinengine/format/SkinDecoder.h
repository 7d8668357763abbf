#pragma once
// Decoding and validating a whole skin file into a Theme. Plain C++.
#include <cstdint>
#include <span>

#include "SkinEngine.h"
#include "format/Theme.h"

namespace qv::skin {

// Decodes `file` (header included). On kSkinOk `theme` holds the skin;
// otherwise `theme` is left untouched.
SkinStatus DecodeSkin(std::span<const std::uint8_t> file, Theme& theme);

// Parses decompressed content alone (the part after the LZMA stream is undone).
SkinStatus ParseContent(std::span<const std::uint8_t> content, Theme& theme);

}  // namespace qv::skin
