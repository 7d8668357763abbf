#pragma once
// A skin decoded ahead of its attachment, on a thread of the engine's own, so
// that decoding overlaps the application's other start-up work.
#include <cstdint>
#include <optional>
#include <span>

#include "SkinEngine.h"
#include "format/Theme.h"

namespace qv::skin {

// Starts decoding a copy of `file` on a worker thread; an earlier preload
// still pending is waited for and dropped. False when no copy or thread could
// be had (nothing is pending then).
bool StartPreload(std::span<const std::uint8_t> file);

// When the pending preload decoded exactly these bytes, waits for it and
// hands over its result; otherwise drops it and returns nothing.
std::optional<SkinStatus> TakePreload(std::span<const std::uint8_t> file, Theme& theme);

}  // namespace qv::skin
