#include "kestrin/form1.h"
#include "platform/real_desktop.h"
#include "platform/runtime.h"

namespace {

int run(int argc, char** argv) {
  platform::Runtime runtime(argc, argv);
  platform::RealDesktop desktop(kestrin::kToolTitle);
  kestrin::Form1 form1(desktop);
  desktop.dispatch([&] { form1.Show(); });
  if (desktop.ended()) return 0;
  return runtime.exec();
}

}  // namespace

int main(int argc, char** argv) {
  platform::leaveProcess(run(argc, argv));
}
