// Final touches at the delivered size: a slight cinematic grade (cool
// shadows), a vignette and a soft, fixed-seed film grain.
#include <cmath>

#include "Noise.h"
#include "SceneParts.h"

namespace qv::artgen {

void FinishPicture(Canvas& canvas) {
  const float cx = canvas.Width() * 0.5f;
  const float cy = canvas.Height() * 0.46f;
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      Rgb c = canvas.At(x, y);
      // Soft shoulder so bright lights roll off instead of clipping hard.
      c = {c.r / (1 + 0.35f * c.r), c.g / (1 + 0.35f * c.g), c.b / (1 + 0.35f * c.b)};
      c = c * 1.22f;
      const float luma = Luma(c);
      const float shadow = 1 - SmoothStep(0.0f, 0.35f, luma);
      c = c + Rgb8(-2, 3, 8) * shadow;
      const float dx = (x - cx) / cx;
      const float dy = (y - cy) / cy;
      c = c * (1 - 0.30f * (dx * dx * 0.7f + dy * dy * 0.6f));
      const float grain = (HashUnit(x, y, 101) + HashUnit(x, y, 102) - 1) * 0.022f;
      c = c + Rgb{grain, grain, grain};
      canvas.At(x, y) = c;
    }
  }
}

}  // namespace qv::artgen
