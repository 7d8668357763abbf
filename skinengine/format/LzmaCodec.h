#pragma once
// Raw LZMA1 streams with the skin files' fixed properties (lc 3, lp 0, pb 2,
// 8 MiB dictionary).
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace qv::skin {

enum class LzmaResult { kOk, kTruncated, kCorrupt, kOutOfMemory };

// Decodes exactly `outputLength` bytes from `input` (the stream may or may not
// carry an end marker; whatever follows the content is ignored).
LzmaResult DecodeLzma(std::span<const std::uint8_t> input, std::size_t outputLength,
                      std::vector<std::uint8_t>& output);

struct LzmaEncodeOptions {
  std::uint32_t preset = 6;
  bool endMarker = false;
};

// Encodes `input` as a raw LZMA1 stream. Empty on failure.
std::vector<std::uint8_t> EncodeLzma(std::span<const std::uint8_t> input,
                                     const LzmaEncodeOptions& options = {});

}  // namespace qv::skin
