#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace qv::artgen {

// Writes `bytes` to `path` through a temporary file renamed into place, so a
// failed run never leaves a half-written asset. Returns false on any failure.
bool WriteFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace qv::artgen
