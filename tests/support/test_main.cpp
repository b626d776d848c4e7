#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/runtime.h"
#include "support/sound_server.h"

int main(int argc, char** argv) {
  // Real widgets, drawn offscreen: no display is needed.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  ::testing::InitGoogleTest(&argc, argv);
  int result = 0;
  {
    platform::Runtime runtime(argc, argv);
    result = RUN_ALL_TESTS();
    testing_support::SoundServer::shutDown();
  }
  // A test program ends as the program does.
  platform::leaveProcess(result);
}
