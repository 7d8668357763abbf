#pragma once
// Byte layout of a skin file.
//
// File: ".SHE", 00, 03, content length (u32 LE), LZMA properties 5D 00 00 80 00,
// then a raw LZMA1 stream of the content (with or without an end marker).
// Content (all little-endian):
//   "QVSK", u16 format version (1), u16 chunk count, then the chunks, which
//   fill the content exactly. A chunk is a 4-byte tag, a u32 payload size and
//   the payload. Unknown tags are skipped.
//   "INFO": the skin's name, 1..64 bytes of UTF-8 without control characters.
//   "PARM": u16 colour count, u16 metric count (both as in Theme.h), the
//           colours (u32 ARGB each), the metrics (u8 each).
//   "BMAP": u8 id, u8 pixel format, u16 width, u16 height, u8 margins left,
//           top, right, bottom, then width * height pixels.
//   INFO, PARM and every bitmap id appear exactly once.
#include <array>
#include <cstddef>
#include <cstdint>

namespace qv::skin {

inline constexpr std::array<std::uint8_t, 4> kFileMagic{0x2E, 0x53, 0x48, 0x45};
inline constexpr std::array<std::uint8_t, 2> kFileVersion{0x00, 0x03};
inline constexpr std::array<std::uint8_t, 5> kLzmaProperties{0x5D, 0x00, 0x00, 0x80, 0x00};
inline constexpr std::size_t kFileHeaderSize = 15;
inline constexpr std::uint32_t kLzmaDictionarySize = 0x00800000;

// No real skin comes near this; it bounds what a hostile header can make us allocate.
inline constexpr std::uint32_t kMaxContentLength = 8u << 20;

inline constexpr std::array<std::uint8_t, 4> kContentMagic{'Q', 'V', 'S', 'K'};
inline constexpr std::uint16_t kContentVersion = 1;
inline constexpr std::size_t kContentHeaderSize = 8;
inline constexpr std::size_t kChunkHeaderSize = 8;
inline constexpr std::size_t kBitmapHeaderSize = 10;
inline constexpr std::uint16_t kMaxChunkCount = 64;
inline constexpr std::size_t kMaxNameLength = 64;

inline constexpr std::array<std::uint8_t, 4> kTagInfo{'I', 'N', 'F', 'O'};
inline constexpr std::array<std::uint8_t, 4> kTagParams{'P', 'A', 'R', 'M'};
inline constexpr std::array<std::uint8_t, 4> kTagBitmap{'B', 'M', 'A', 'P'};

}  // namespace qv::skin
