#pragma once
// A counted block of bytes: a file's contents, a snapshot bitmap, a picture,
// a skin, the skin engine's library image. Plain C++, shared by every layer.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

namespace qv {

using ByteBuffer = std::vector<std::uint8_t>;
using ByteView = std::span<const std::uint8_t>;

// The stored form used for blocks kept in the program's constant data and for
// their run-time copies: 32-bit little-endian 1, 32-bit little-endian length,
// then the bytes. A consumer that wants the bytes alone gets the address just
// past the 8-byte header.
inline constexpr std::size_t kStoredHeaderSize = 8;

inline std::uint32_t ReadLe32(const std::uint8_t* p) {
  return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
         std::uint32_t(p[3]) << 24;
}

// The bytes of a stored block (header excluded).
inline ByteView StoredBytes(const std::uint8_t* stored) {
  return ByteView(stored + kStoredHeaderSize, ReadLe32(stored + 4));
}

}  // namespace qv
