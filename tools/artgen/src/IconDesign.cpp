#include "IconDesign.h"

namespace qv::artgen {

namespace {

Shape RoundRect(float x0, float y0, float x1, float y1, float radius, Fill fill) {
  Shape s;
  s.kind = Shape::Kind::RoundRect;
  s.x0 = x0, s.y0 = y0, s.x1 = x1, s.y1 = y1, s.radius = radius, s.fill = fill;
  return s;
}

Shape Circle(float cx, float cy, float radius, Fill fill) {
  Shape s;
  s.kind = Shape::Kind::Circle;
  s.centre = {cx, cy}, s.radius = radius, s.fill = fill;
  return s;
}

Shape Polygon(std::vector<Point> points, Fill fill) {
  Shape s;
  s.kind = Shape::Kind::Polygon;
  s.points = std::move(points), s.fill = fill;
  return s;
}

Fill Solid(Rgba color) { return {color, color}; }
Fill Vertical(Rgba top, Rgba bottom, float y0, float y1) { return {top, bottom, y0, y1}; }

// A skyline along the bottom of the picture, left to right.
std::vector<Point> Skyline(bool detailed) {
  if (!detailed) return {{40, 150}, {84, 150}, {84, 122}, {108, 122}, {108, 142},
                         {150, 142}, {150, 128}, {220, 128}, {220, 200}, {40, 200}};
  return {{40, 152}, {58, 152}, {58, 136}, {70, 136}, {70, 146}, {80, 146}, {80, 116},
          {86, 108}, {92, 116}, {92, 146}, {104, 146}, {104, 128}, {118, 128}, {118, 140},
          {132, 140}, {132, 122}, {146, 122}, {146, 136}, {160, 136}, {160, 126},
          {176, 126}, {176, 142}, {220, 142}, {220, 200}, {40, 200}};
}

}  // namespace

IconDesign QuorvaneIcon(int pixelSize) {
  const bool detailed = pixelSize >= 48;
  // At 16 pixels the frame would merge with the bubble: the picture goes
  // frameless and larger instead.
  const bool tiny = pixelSize <= 16;
  const float px0 = tiny ? 28 : 50, py0 = tiny ? 36 : 58, px1 = tiny ? 228 : 206;
  const float py1 = tiny ? 180 : 170;
  IconDesign design;
  // The picture's visible area clips the sky, moon and skyline.
  design.clips.push_back(RoundRect(px0, py0, px1, py1, 8, Solid({})));

  auto& s = design.shapes;
  // Tile: a deep night-blue rounded square.
  s.push_back(RoundRect(12, 12, 244, 244, 52,
                        Vertical(Rgba8(58, 78, 150), Rgba8(20, 24, 58), 12, 244)));
  if (!tiny) {
    // Picture frame, with a soft shadow under it.
    s.push_back(RoundRect(38, 50, 218, 188, 16, Solid(Rgba8(4, 6, 20, 0.35f))));
    s.push_back(RoundRect(36, 44, 220, 182, 16,
                          Vertical(Rgba8(246, 242, 234), Rgba8(214, 208, 200), 44, 182)));
  }
  // The picture: a dusk sky, the moon, a city skyline.
  s.push_back(RoundRect(px0, py0, px1, py1, 8,
                        Vertical(Rgba8(44, 52, 120), Rgba8(232, 128, 92), py0, py1 - 10)));
  Shape moon = Circle(tiny ? 184 : 176, tiny ? 78 : 86, detailed ? 12 : 20, Solid(Rgba8(252, 240, 204)));
  moon.clip = 0;
  s.push_back(moon);
  Shape city = Polygon(Skyline(detailed), Solid(Rgba8(24, 26, 60)));
  city.clip = 0;
  s.push_back(city);
  if (detailed) {
    // Lit windows in the part of the city the bubble leaves uncovered.
    const Point windows[] = {{61, 140}, {65, 147}, {61, 154}, {45, 157}, {50, 163},
                             {83, 118}, {83, 126}, {87, 134}, {73, 150}, {111, 131}};
    for (const Point& w : windows) {
      Shape window = RoundRect(w.x, w.y, w.x + 3, w.y + 4, 0.5f, Solid(Rgba8(255, 204, 128)));
      window.clip = 0;
      s.push_back(window);
    }
  }
  if (pixelSize >= 128) {
    for (const Point& star : {Point{66, 72}, Point{98, 66}, Point{128, 84}, Point{146, 66},
                              Point{112, 98}, Point{196, 112}}) {
      s.push_back(Circle(star.x, star.y, 1.3f, Solid(Rgba8(255, 255, 255, 0.85f))));
    }
  }
  // Speech bubble overlapping the picture, with its tail and shadow.
  const float bx0 = 84, by0 = 132, bx1 = 236, by1 = 214;
  const std::vector<Point> tail = {{110, by1 - 4}, {92, 238}, {146, by1 - 4}};
  const Rgba shadow = Rgba8(4, 6, 20, 0.38f);
  s.push_back(RoundRect(bx0 + 2, by0 + 6, bx1 + 2, by1 + 6, 24, Solid(shadow)));
  s.push_back(Polygon({{112, by1 + 2}, {94, 244}, {148, by1 + 2}}, Solid(shadow)));
  const Fill paper = Vertical(Rgba8(255, 255, 255), Rgba8(228, 232, 242), by0, 238);
  s.push_back(RoundRect(bx0, by0, bx1, by1, 24, paper));
  s.push_back(Polygon(tail, paper));
  // The three lines of dialogue; two bold ones when the icon is tiny.
  const Fill ink = Solid(Rgba8(44, 54, 104));
  if (detailed) {
    s.push_back(RoundRect(106, 151, 214, 161, 5, ink));
    s.push_back(RoundRect(106, 168, 202, 178, 5, ink));
    s.push_back(RoundRect(106, 185, 178, 195, 5, ink));
  } else {
    s.push_back(RoundRect(104, 150, 216, 166, 8, ink));
    s.push_back(RoundRect(104, 178, 186, 194, 8, ink));
  }
  return design;
}

}  // namespace qv::artgen
