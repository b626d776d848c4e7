// A program that plays a sound and ends the given milliseconds later, as the program does when the
// session or the window manager closes it in the moment of a stage's sound.
//
//   sound_end_probe FILE MS
//
// Exits with 0 once its desktop and runtime are gone; a fault in the sound's ending aborts it.
#include <chrono>
#include <cstdlib>
#include <thread>

#include "platform/real_desktop.h"
#include "platform/runtime.h"

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  {
    platform::Runtime runtime(argc, argv);
    platform::RealDesktop desktop("Tallamo");
    desktop.playSound(argv[1]);
    std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(argv[2])));
  }
  platform::leaveProcess(0);  // as the program ends
}
