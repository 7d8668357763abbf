#pragma once
// Synthetic photo-like pictures for the benchmarks: soft shapes, texture,
// grain and hard edges, so JPEG sizes and decode costs resemble photographs.
#include <cstdint>
#include <string>
#include <vector>

namespace qv::bench {

std::vector<std::uint8_t> PhotoLikeRgb(int width, int height, unsigned seed);

}  // namespace qv::bench
