#pragma once
// A skin's readable description: a text file of "key = value" lines.
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>

#include "Colour.h"

namespace qv::skingen {

struct Description {
  std::string name;
  Colour face, text, base, accent;
  Colour titleTop, titleBottom, titleText;
  Colour buttonTop, buttonBottom, buttonBorder, buttonText;
  Colour editBorder;
  std::string titleStyle;   // gloss, gradient, flat, bevel, sheen
  std::string titleAlign;   // left, center
  std::string buttonStyle;  // gloss, gradient, flat, bevel, outline
  std::string grainKind;    // speckle, brushed, linen, paper
  int buttonRadius = 3;
  int editRadius = 2;
  int grainStrength = 20;   // 0..100, how visible the grain is
  int grainAmplitude = 6;   // 1..60, raw grain deviation of textured pixels
  bool titleBold = true;
  // Tuned by the length search; absent until tuned.
  bool tuned = false;
  std::int64_t detail = 0;
  std::uint32_t seed = 0;
};

// Reads a description; on failure returns false and explains in `error`.
bool LoadDescription(const std::filesystem::path& path, Description& description,
                     std::string& error);

// Writes the tuned values back into the file, keeping every other line.
bool StoreTuning(const std::filesystem::path& path, std::int64_t detail, std::uint32_t seed);

}  // namespace qv::skingen
