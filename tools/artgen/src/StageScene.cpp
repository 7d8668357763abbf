#include "StageScene.h"

#include "SceneParts.h"

namespace qv::artgen {

namespace {
// Painting at twice the size and filtering down anti-aliases every edge.
constexpr int kSupersample = 2;
}  // namespace

Canvas PaintStageScene() {
  Canvas canvas(kStageWidth * kSupersample, kStageHeight * kSupersample);
  PaintSky(canvas, kSupersample);
  PaintSkyline(canvas, kSupersample);
  PaintWater(canvas, kSupersample);
  PaintQuay(canvas, kSupersample);
  PaintFigures(canvas, kSupersample);
  Canvas picture = canvas.Downsampled(kSupersample);
  FinishPicture(picture);
  return picture;
}

}  // namespace qv::artgen
