// GoogleTest entry for widget tests: a QApplication on the offscreen platform
// (or the platform named by QV_TEST_PLATFORM), optionally at a scale factor.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
#ifdef QV_TEST_SCALE_FACTOR
  qputenv("QT_SCALE_FACTOR", QV_TEST_SCALE_FACTOR);
#endif
#ifdef QV_TEST_PLATFORM
  qputenv("QT_QPA_PLATFORM", QV_TEST_PLATFORM);
#else
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
  ::testing::InitGoogleTest(&argc, argv);
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  return RUN_ALL_TESTS();
}
