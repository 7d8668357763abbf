// The far shore: three layers of buildings, hazy at the back and nearly black
// at the front, with lit windows, a few towers, and a lamp-lit embankment.
#include <algorithm>
#include <cmath>

#include "Noise.h"
#include "SceneParts.h"

namespace qv::artgen {

namespace {

struct Layer {
  std::uint64_t seed;
  float minHeight, maxHeight;
  float minWidth, maxWidth;
  Rgb body;
  float haze;          // how much the layer takes on the sky colour behind it
  float windowChance;  // share of lit windows
  float windowLight;   // brightness of its windows
};

enum class Roof { Flat, Stepped, Spire, Antenna };

struct Building {
  float left, right, top;
  Roof roof;
};

// Scales final-size units to canvas pixels.
struct Pen {
  Canvas& canvas;
  int scale;
  void Rect(float x0, float y0, float x1, float y1, Rgb color, float alpha = 1) const {
    canvas.FillRect(static_cast<int>(std::lround(x0 * scale)),
                    static_cast<int>(std::lround(y0 * scale)),
                    static_cast<int>(std::lround(x1 * scale)),
                    static_cast<int>(std::lround(y1 * scale)), color, alpha);
  }
  // A triangle pointing up, apex at (cx, top), base from left to right at `base`.
  void Spire(float cx, float top, float halfWidth, float base, Rgb color) const {
    for (int py = static_cast<int>(top * scale); py < static_cast<int>(base * scale); ++py) {
      const float t = (py + 0.5f) / scale - top;
      const float half = halfWidth * t / (base - top);
      Rect(cx - half, (py + 0.0f) / scale, cx + half, (py + 1.0f) / scale, color);
    }
  }
};

Rgb WindowColor(std::uint32_t h) {
  switch (h % 5) {
    case 0: return Rgb8(255, 214, 150);
    case 1: return Rgb8(255, 190, 112);
    case 2: return Rgb8(206, 222, 255);
    case 3: return Rgb8(255, 228, 186);
    default: return Rgb8(250, 170, 96);
  }
}

void PaintWindows(const Pen& pen, const Building& b, const Layer& layer, std::uint32_t id) {
  const float cellW = 4.0f;
  const float cellH = 5.0f;
  const int columns = static_cast<int>((b.right - b.left - 4) / cellW);
  const int rows = static_cast<int>((kHorizonY - b.top - 8) / cellH);
  const float inset = (b.right - b.left - columns * cellW) / 2;
  // Each building has its own habit: lit at random, nearly asleep, lit in
  // vertical bands, or dark but for its top floors.
  const std::uint32_t habit = Hash(static_cast<int>(id), 0, 89) % 8;
  const int bandColumn = static_cast<int>(Hash(static_cast<int>(id), 1, 89) % 3);
  for (int row = 0; row < rows; ++row) {
    // Whole floors tend to be lit or dark together.
    const float floorMood = HashUnit(static_cast<int>(id), row, 91);
    float chance = layer.windowChance * (0.2f + 1.6f * floorMood * floorMood);
    if (habit == 5) chance *= 0.25f;
    if (habit == 7 && row > 3) chance *= 0.1f;
    for (int column = 0; column < columns; ++column) {
      const std::uint32_t h = Hash(static_cast<int>(id) * 131 + column, row, 97);
      float columnChance = chance;
      if (habit == 6) columnChance = (column % 3 == bandColumn) ? 0.85f : chance * 0.2f;
      if ((h >> 8) * (1.0f / 16777216.0f) >= columnChance) continue;
      const float x = b.left + inset + column * cellW + 1;
      const float y = b.top + 4 + row * cellH;
      const float light = layer.windowLight * (0.45f + 0.55f * HashUnit(column, row, id));
      pen.Rect(x, y, x + 2, y + 3, WindowColor(h >> 3) * light, 0.9f);
    }
  }
}

void PaintBuilding(const Pen& pen, const Building& b, const Layer& layer, std::uint32_t id) {
  auto shade = [&](float y) {
    Rgb sky = Mix(Rgb8(30, 34, 76), Rgb8(150, 80, 92), SmoothStep(380, kHorizonY, y));
    return Mix(layer.body, sky, layer.haze);
  };
  const float width = b.right - b.left;
  const Rgb body = shade(b.top);
  pen.Rect(b.left, b.top, b.right, kHorizonY, body);
  // The face turned towards the moon is a shade lighter.
  if (width > 18) {
    pen.Rect(b.right - width * 0.28f, b.top, b.right, kHorizonY, Rgb8(90, 96, 140), 0.06f);
  }
  // Street light from below warms the lower floors.
  for (float y = kHorizonY - 40; y < kHorizonY; y += 2) {
    const float glow = SmoothStep(kHorizonY - 40, kHorizonY, y) * 0.16f * (1 - layer.haze);
    pen.Rect(b.left, std::max(y, b.top), b.right, y + 2, Rgb8(150, 84, 60), glow);
  }
  switch (b.roof) {
    case Roof::Flat: break;
    case Roof::Stepped: {
      const float inset = width * 0.22f;
      const float lift = std::min(width * 0.5f, 16.0f);
      pen.Rect(b.left + inset, b.top - lift, b.right - inset, b.top + 1, body);
      pen.Rect(b.left + inset * 1.8f, b.top - lift * 1.6f, b.right - inset * 1.8f,
               b.top - lift + 1, body);
      break;
    }
    case Roof::Spire:
      pen.Spire((b.left + b.right) / 2, b.top - width * 0.9f, width * 0.32f, b.top + 0.5f, body);
      break;
    case Roof::Antenna: {
      const float cx = (b.left + b.right) / 2;
      pen.Rect(cx - 0.5f, b.top - 22, cx + 0.5f, b.top, body);
      // Aircraft warning light.
      pen.Rect(cx - 1, b.top - 23, cx + 1, b.top - 21, Rgb8(255, 70, 60));
      break;
    }
  }
  PaintWindows(pen, b, layer, id);
}

// Tall buildings get a varied crown; `pick` is uniform in [0, 1).
Roof RoofFor(float pick) {
  if (pick < 0.3f) return Roof::Stepped;
  if (pick < 0.45f) return Roof::Spire;
  if (pick < 0.6f) return Roof::Antenna;
  return Roof::Flat;
}

void PaintLayer(const Pen& pen, const Layer& layer, float canvasWidth) {
  Random random(layer.seed);
  float x = -random.Range(0, layer.maxWidth);
  std::uint32_t id = static_cast<std::uint32_t>(layer.seed) * 1000;
  while (x < canvasWidth) {
    const float width = random.Range(layer.minWidth, layer.maxWidth);
    // Heights cluster around a few denser districts along the shore.
    const float district = FractalNoise(x / 120, 0.5f, 2, static_cast<std::uint32_t>(layer.seed));
    const float tall = random.Unit() * (0.35f + 0.9f * district);
    const float height =
        layer.minHeight + (layer.maxHeight - layer.minHeight) * std::min(tall, 1.0f);
    const float pick = random.Unit();
    const bool tallOne = height > layer.minHeight + (layer.maxHeight - layer.minHeight) * 0.55f;
    const Roof roof = tallOne ? RoofFor(pick) : Roof::Flat;
    PaintBuilding(pen, {x, x + width, kHorizonY - height, roof}, layer, ++id);
    x += width + (random.Chance(0.2f) ? random.Range(2, 10) : 0);
  }
}

// A low embankment along the far shore with a row of street lamps.
void PaintEmbankment(const Pen& pen, float canvasWidth) {
  pen.Rect(0, kHorizonY - 3, canvasWidth, kHorizonY + 1, Rgb8(10, 10, 22));
  for (float x = 6; x < canvasWidth; x += 23) {
    const float light = 0.6f + 0.4f * HashUnit(static_cast<int>(x), 0, 13);
    pen.Rect(x, kHorizonY - 4, x + 1.5f, kHorizonY - 2.5f, Rgb8(255, 200, 130) * light);
  }
}

}  // namespace

void PaintSkyline(Canvas& canvas, int scale) {
  const Pen pen{canvas, scale};
  const float width = static_cast<float>(canvas.Width()) / scale;
  const Layer far{11, 16, 78, 10, 30, Rgb8(48, 40, 80), 0.55f, 0.16f, 0.45f};
  const Layer middle{23, 26, 120, 14, 40, Rgb8(22, 22, 48), 0.22f, 0.26f, 0.7f};
  const Layer near{37, 14, 150, 20, 54, Rgb8(10, 11, 25), 0.05f, 0.30f, 0.95f};
  PaintLayer(pen, far, width);
  PaintLayer(pen, middle, width);
  // Two landmark towers rise above the rest.
  PaintBuilding(pen, {128, 160, 324, Roof::Spire}, middle, 7001);
  PaintBuilding(pen, {380, 406, 338, Roof::Antenna}, middle, 7002);
  PaintLayer(pen, near, width);
  PaintEmbankment(pen, width);
}

}  // namespace qv::artgen
