#include "console/start.h"

#include "common/program.h"
#include "platform/desktop.h"
#include "platform/form.h"

namespace tallamo {

void Main(platform::Desktop& desktop) {
  if (!desktop.claimSingleInstance("tallamo")) {
    desktop.messageBox(common::kAlreadyRunning, 0);
    desktop.end();
    return;
  }
  if (platform::Form* splash = desktop.form("Form1")) splash->Show();
}

}  // namespace tallamo
