#include "app/program.h"
#include "common/program.h"
#include "console/start.h"
#include "platform/real_desktop.h"
#include "platform/runtime.h"

namespace {

int run(int argc, char** argv) {
  platform::Runtime runtime(argc, argv);
  platform::RealDesktop desktop(common::kProgramTitle);
  tallamo::Program program(desktop);
  desktop.dispatch([&] { tallamo::Main(desktop); });
  if (desktop.ended()) return 0;
  return runtime.exec();
}

}  // namespace

int main(int argc, char** argv) {
  platform::leaveProcess(run(argc, argv));
}
