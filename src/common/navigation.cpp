#include "common/navigation.h"

#include "platform/desktop.h"
#include "platform/form.h"

namespace common {

void ShowConsole(platform::Desktop& desktop) {
  if (platform::Form* console = desktop.form("Form4")) console->Show();
}

}  // namespace common
