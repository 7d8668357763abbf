#pragma once
// The per-kind decoders behind DecodePictureForDisplay.
#include <cstdint>
#include <optional>

#include "imaging/PictureDecoder.h"
#include "imaging/Raster.h"

namespace qv::imaging {

// Uncompressed BMP of 1, 4, 8, 24 or 32 bits, core or Windows header, either
// row order. False for anything else or a short file.
bool DecodeBmpForDisplay(ByteView bytes, std::uint64_t maxPixels, Raster& out);

// Chooses the icon or cursor directory entry and repackages it as a one-entry
// file; fills iconFile, iconWidth and iconHeight.
bool DecodeIconForDisplay(ByteView bytes, bool cursor, std::uint64_t maxPixels,
                          DecodedPicture& out);

// DecodePictureForDisplay with an explicit pixel budget.
std::optional<DecodedPicture> DecodePictureWithinBudget(ByteView bytes, int drawWidth,
                                                        int drawHeight, std::uint64_t maxPixels);

}  // namespace qv::imaging
