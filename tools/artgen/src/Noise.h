#pragma once
// Deterministic randomness: integer hashes, value noise, fractal noise and a
// seeded generator. Same seed, same picture, on every machine.
#include <cstdint>

namespace qv::artgen {

// A well-mixed 32-bit hash of a lattice point and a seed.
std::uint32_t Hash(std::int32_t x, std::int32_t y, std::uint32_t seed);

// Hash mapped to [0, 1).
float HashUnit(std::int32_t x, std::int32_t y, std::uint32_t seed);

// Smoothly interpolated lattice noise in [0, 1).
float ValueNoise(float x, float y, std::uint32_t seed);

// Sum of `octaves` value noise layers, each twice the frequency and half the
// weight of the last, normalised to [0, 1).
float FractalNoise(float x, float y, int octaves, std::uint32_t seed);

// A small seeded generator (splitmix64) for layout decisions.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next();
  // Uniform in [0, 1).
  float Unit();
  // Uniform in [lo, hi).
  float Range(float lo, float hi) { return lo + (hi - lo) * Unit(); }
  // Uniform integer in [lo, hi].
  int Between(int lo, int hi);
  bool Chance(float p) { return Unit() < p; }

 private:
  std::uint64_t state_;
};

}  // namespace qv::artgen
