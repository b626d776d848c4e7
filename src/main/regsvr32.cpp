// The registration program of this platform: "regsvr32 FILE [/s]" registers a file of the system
// folder (see platform/registration.h).
#include <string>
#include <vector>

#include "platform/registration.h"

int main(int argc, char** argv) {
  return platform::runRegistration(std::vector<std::string>(argv + 1, argv + argc));
}
