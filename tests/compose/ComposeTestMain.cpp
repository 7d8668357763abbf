// The suite runs inside a widget application on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "runtime/Windows.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  qv::InitialiseRuntime();
  const int result = RUN_ALL_TESTS();
  return result;
}
