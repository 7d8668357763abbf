#include "Noise.h"

#include <cmath>

namespace qv::artgen {

std::uint32_t Hash(std::int32_t x, std::int32_t y, std::uint32_t seed) {
  std::uint32_t h = seed * 0x9E3779B9u;
  h ^= static_cast<std::uint32_t>(x) * 0x85EBCA6Bu;
  h = (h << 13) | (h >> 19);
  h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
  h ^= h >> 16;
  h *= 0x7FEB352Du;
  h ^= h >> 15;
  h *= 0x846CA68Bu;
  h ^= h >> 16;
  return h;
}

float HashUnit(std::int32_t x, std::int32_t y, std::uint32_t seed) {
  return static_cast<float>(Hash(x, y, seed) >> 8) * (1.0f / 16777216.0f);
}

float ValueNoise(float x, float y, std::uint32_t seed) {
  const float fx = std::floor(x);
  const float fy = std::floor(y);
  const auto ix = static_cast<std::int32_t>(fx);
  const auto iy = static_cast<std::int32_t>(fy);
  float tx = x - fx;
  float ty = y - fy;
  tx = tx * tx * (3 - 2 * tx);
  ty = ty * ty * (3 - 2 * ty);
  const float a = HashUnit(ix, iy, seed);
  const float b = HashUnit(ix + 1, iy, seed);
  const float c = HashUnit(ix, iy + 1, seed);
  const float d = HashUnit(ix + 1, iy + 1, seed);
  const float top = a + (b - a) * tx;
  const float bottom = c + (d - c) * tx;
  return top + (bottom - top) * ty;
}

float FractalNoise(float x, float y, int octaves, std::uint32_t seed) {
  float sum = 0;
  float weight = 1;
  float total = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += ValueNoise(x, y, seed + static_cast<std::uint32_t>(i) * 7919u) * weight;
    total += weight;
    weight *= 0.5f;
    x *= 2.03f;
    y *= 2.03f;
  }
  return sum / total;
}

std::uint64_t Random::Next() {
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

float Random::Unit() { return static_cast<float>(Next() >> 40) * (1.0f / 16777216.0f); }

int Random::Between(int lo, int hi) {
  return lo + static_cast<int>(Next() % static_cast<std::uint64_t>(hi - lo + 1));
}

}  // namespace qv::artgen
