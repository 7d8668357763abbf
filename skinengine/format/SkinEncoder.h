#pragma once
// Writing skin files: the content of a Theme and the compressed file around it.
// Used by the skin generator and the tests; the engine itself only decodes.
#include <cstdint>
#include <span>
#include <vector>

#include "format/LzmaCodec.h"
#include "format/Theme.h"

namespace qv::skin {

// The decompressed content of `theme` in chunk order INFO, PARM, bitmaps by id.
std::vector<std::uint8_t> SerializeContent(const Theme& theme);

// A whole skin file holding `content`: header, then its LZMA stream.
std::vector<std::uint8_t> WrapContent(std::span<const std::uint8_t> content,
                                      const LzmaEncodeOptions& options = {});

// Bytes one bitmap adds to the content, chunk header included.
std::size_t BitmapChunkSize(int width, int height, int bytesPerPixel);

// Bytes the content takes without its bitmaps' chunks.
std::size_t FixedContentSize(std::size_t nameLength);

}  // namespace qv::skin
