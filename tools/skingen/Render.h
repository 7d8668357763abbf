#pragma once
// Turning a description into a theme: derived colours, drawn bitmaps, grain.
#include <cstdint>
#include <vector>

#include "Description.h"
#include "format/Theme.h"

namespace qv::skingen {

// The sizes the length search chooses: they change the file's lengths, not the look.
struct Layout {
  int titleWidth = 128;
  int grainWidth = 256;
  int grainHeight = 256;
};

// The theme with every bitmap drawn and the grain textured at `detail` pixels.
skin::Theme RenderTheme(const Description& description, const Layout& layout,
                        std::int64_t detail, std::uint32_t seed);

// The grain alone: the kind's base pattern plus `detail` textured pixels,
// placed in an order fixed by `seed`. Adding detail only adds pixels.
class GrainPainter {
 public:
  GrainPainter(const Description& description, int width, int height, std::uint32_t seed);
  void Paint(std::int64_t detail, std::uint8_t* out) const;
  std::int64_t PixelCount() const { return std::int64_t(base_.size()); }

 private:
  std::vector<std::uint8_t> base_;
  std::vector<std::uint32_t> order_;      // pixel indices in texturing order
  std::vector<std::int8_t> deviations_;  // per pixel, used once textured
};

}  // namespace qv::skingen
