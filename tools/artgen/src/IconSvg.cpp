#include "IconSvg.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "Color.h"

namespace qv::artgen {

namespace {

std::string Number(float v) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", static_cast<double>(v));
  return text;
}

std::string Hex(const Rgba& c) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", ToByte(c.r), ToByte(c.g), ToByte(c.b));
  return text;
}

bool IsSolid(const Fill& f) {
  return f.top.r == f.bottom.r && f.top.g == f.bottom.g && f.top.b == f.bottom.b &&
         f.top.a == f.bottom.a;
}

std::string Geometry(const Shape& s) {
  switch (s.kind) {
    case Shape::Kind::RoundRect:
      return "<rect x=\"" + Number(s.x0) + "\" y=\"" + Number(s.y0) + "\" width=\"" +
             Number(s.x1 - s.x0) + "\" height=\"" + Number(s.y1 - s.y0) + "\" rx=\"" +
             Number(s.radius) + "\"";
    case Shape::Kind::Circle:
      return "<circle cx=\"" + Number(s.centre.x) + "\" cy=\"" + Number(s.centre.y) +
             "\" r=\"" + Number(s.radius) + "\"";
    case Shape::Kind::Polygon: {
      std::string points;
      for (const Point& p : s.points) {
        if (!points.empty()) points += ' ';
        points += Number(p.x) + "," + Number(p.y);
      }
      return "<polygon points=\"" + points + "\"";
    }
  }
  return {};
}

std::pair<float, float> VerticalExtent(const Shape& s) {
  switch (s.kind) {
    case Shape::Kind::RoundRect: return {s.y0, s.y1};
    case Shape::Kind::Circle: return {s.centre.y - s.radius, s.centre.y + s.radius};
    case Shape::Kind::Polygon: {
      float top = s.points.front().y;
      float bottom = top;
      for (const Point& p : s.points) top = std::min(top, p.y), bottom = std::max(bottom, p.y);
      return {top, bottom};
    }
  }
  return {0, 1};
}

std::string Stop(const char* offset, const Rgba& c) {
  std::string stop = "<stop offset=\"" + std::string(offset) + "\" stop-color=\"" + Hex(c) + "\"";
  if (c.a < 1) stop += " stop-opacity=\"" + Number(c.a) + "\"";
  return stop + "/>";
}

}  // namespace

std::string IconSvg(const IconDesign& design) {
  const std::string size = Number(IconDesign::kUnits);
  std::string defs;
  std::string body;
  for (std::size_t i = 0; i < design.clips.size(); ++i) {
    defs += "    <clipPath id=\"clip" + std::to_string(i) + "\">" + Geometry(design.clips[i]) +
            "/></clipPath>\n";
  }
  for (std::size_t i = 0; i < design.shapes.size(); ++i) {
    const Shape& s = design.shapes[i];
    std::string paint;
    if (IsSolid(s.fill)) {
      paint = " fill=\"" + Hex(s.fill.top) + "\"";
      if (s.fill.top.a < 1) paint += " fill-opacity=\"" + Number(s.fill.top.a) + "\"";
    } else {
      const std::string id = "fill" + std::to_string(i);
      // Gradient ends relative to the shape's box, which more renderers support.
      const auto [top, bottom] = VerticalExtent(s);
      const float span = bottom - top;
      defs += "    <linearGradient id=\"" + id + "\" x1=\"0\" y1=\"" +
              Number((s.fill.y0 - top) / span) + "\" x2=\"0\" y2=\"" +
              Number((s.fill.y1 - top) / span) + "\">" + Stop("0", s.fill.top) +
              Stop("1", s.fill.bottom) + "</linearGradient>\n";
      paint = " fill=\"url(#" + id + ")\"";
    }
    if (s.clip >= 0) paint += " clip-path=\"url(#clip" + std::to_string(s.clip) + ")\"";
    body += "  " + Geometry(s) + paint + "/>\n";
  }
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + size + "\" height=\"" + size +
         "\" viewBox=\"0 0 " + size + " " + size + "\">\n"
         "  <title>Quorvane</title>\n"
         "  <defs>\n" + defs + "  </defs>\n" + body + "</svg>\n";
}

}  // namespace qv::artgen
