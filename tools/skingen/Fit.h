#pragma once
// Fitting a skin to its exact lengths.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Description.h"
#include "Render.h"
#include "SkinTable.h"

namespace qv::skingen {

// The sizes whose content is exactly `lengths.content` bytes; none if no
// title width and grain shape add up.
std::optional<Layout> ChooseLayout(const Description& description, std::size_t contentLength);

struct FitResult {
  std::vector<std::uint8_t> file;  // empty on failure
  std::int64_t detail = 0;
  std::uint32_t seed = 0;
  std::string error;
};

// Builds the skin from the description's stored tuning (one pass).
FitResult BuildTuned(const Description& description, const SkinLengths& lengths);

// Searches the grain detail (and, if needed, the seed) that makes the whole
// file exactly `lengths.file` bytes.
FitResult Tune(const Description& description, const SkinLengths& lengths);

}  // namespace qv::skingen
