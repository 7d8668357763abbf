#pragma once
// The built-in stage picture: a harbour city at dusk seen from a dark quay,
// painted procedurally with fixed seeds so every run gives the same pixels.
#include "Canvas.h"

namespace qv::artgen {

inline constexpr int kStageWidth = 580;
inline constexpr int kStageHeight = 978;

// Paints the finished picture at kStageWidth x kStageHeight.
Canvas PaintStageScene();

}  // namespace qv::artgen
