#pragma once
// The layers of the stage picture, painted back to front onto a canvas that is
// `scale` times the final size. All geometry is given in final-size units.
#include "Canvas.h"

namespace qv::artgen {

// Where the water meets the far shore, and where the near quay begins.
inline constexpr float kHorizonY = 500;
inline constexpr float kQuayTopY = 862;

void PaintSky(Canvas& canvas, int scale);
void PaintSkyline(Canvas& canvas, int scale);
void PaintWater(Canvas& canvas, int scale);
void PaintQuay(Canvas& canvas, int scale);
void PaintFigures(Canvas& canvas, int scale);
// Colour grade, vignette and film grain, at the final size.
void FinishPicture(Canvas& canvas);

}  // namespace qv::artgen
