// Where a centred window goes and how big its client area is.
#include <gtest/gtest.h>

#include "runtime/detail/NonClientMetrics.h"

namespace qv::detail {
namespace {

TEST(CentredOnScreen, DropsTheRemainderTowardZero) {
  struct Case {
    int sw, sh, ww, wh;
    Position expected;
  } cases[] = {
      {1280, 1024, 331, 196, {474, 414}},
      {1280, 1024, 379, 668, {450, 178}},
      {1920, 1080, 379, 668, {770, 206}},
      {800, 600, 800, 600, {0, 0}},
      {300, 200, 331, 196, {-15, 2}},     // wider than the screen: -31 / 2 is -15
      {300, 500, 379, 668, {-39, -84}},  // larger both ways
      {301, 201, 300, 200, {0, 0}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CentredOnScreen(c.sw, c.sh, c.ww, c.wh), c.expected)
        << c.sw << "x" << c.sh << " / " << c.ww << "x" << c.wh;
  }
}

TEST(NonClientMetrics, ClientAreaOfTheProgramsWindows) {
  WindowLayout toolbar{.name = "t", .caption = "编辑 工具栏", .outerWidth = 331, .outerHeight = 196,
                       .controls = {}};
  const NonClientMetrics m = MetricsFor(toolbar);
  EXPECT_EQ(m.ClientLeft(), 3);
  EXPECT_EQ(m.ClientTop(), 25);
  EXPECT_EQ(m.ClientWidth(331), 325);
  EXPECT_EQ(m.ClientHeight(196), 168);
  EXPECT_EQ(m.ClientWidth(379), 373);
  EXPECT_EQ(m.ClientHeight(668), 640);
}

TEST(NonClientMetrics, BorderKindsAndTitleBar) {
  struct Case {
    WindowBorder border;
    std::string_view caption;
    int left, top;
  } cases[] = {
      {WindowBorder::None, "x", 0, 0},
      {WindowBorder::Fixed, "x", 3, 25},
      {WindowBorder::Fixed, "", 3, 3},  // no caption, no control box: no title bar
      {WindowBorder::FixedTool, "x", 3, 19},
      {WindowBorder::FixedSunken, "x", 5, 27},
  };
  for (const Case& c : cases) {
    WindowLayout w{.name = "w", .caption = c.caption, .outerWidth = 100, .outerHeight = 100,
                   .border = c.border, .controls = {}};
    const NonClientMetrics m = MetricsFor(w);
    EXPECT_EQ(m.ClientLeft(), c.left) << int(c.border);
    EXPECT_EQ(m.ClientTop(), c.top) << int(c.border);
  }
}

}  // namespace
}  // namespace qv::detail
