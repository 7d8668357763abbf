// On a screen smaller than a window, centring gives a negative position.
#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

#include "RuntimeTestSupport.h"

namespace qv {
namespace {

TEST(SmallScreen, WindowLargerThanTheScreenGoesToANegativePosition) {
  ASSERT_EQ(QGuiApplication::primaryScreen()->geometry(), QRect(0, 0, 300, 200));
  static const WindowLayout wide{.name = "Wide", .caption = "编辑 工具栏", .outerWidth = 331,
                                 .outerHeight = 196, .position = WindowPosition::CentredOnScreen,
                                 .controls = {}};
  static const WindowLayout tall{.name = "Tall", .caption = "Quorvane", .outerWidth = 379,
                                 .outerHeight = 668, .position = WindowPosition::CentredOnScreen,
                                 .controls = {}};
  ASSERT_TRUE(LoadWindow(wide));
  ASSERT_TRUE(LoadWindow(tall));
  EXPECT_EQ(test::Top(wide)->frameGeometry(), QRect(-15, 2, 331, 196));
  EXPECT_EQ(test::Top(tall)->frameGeometry(), QRect(-39, -234, 379, 668));
  test::UnloadAll({&wide, &tall});
}

}  // namespace
}  // namespace qv
