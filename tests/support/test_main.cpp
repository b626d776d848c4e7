#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/runtime.h"

int main(int argc, char** argv) {
  // Real widgets, drawn offscreen: no display is needed.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  ::testing::InitGoogleTest(&argc, argv);
  platform::Runtime runtime(argc, argv);
  return RUN_ALL_TESTS();
}
