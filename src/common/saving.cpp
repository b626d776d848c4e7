#include "common/saving.h"

#include "common/ini.h"
#include "platform/desktop.h"

namespace common {

void ConfirmSave(platform::Desktop& desktop, bool stored) {
  if (stored)
    desktop.messageBox(kSaved, platform::mb::OKOnly);
  else
    ReportWrite(desktop, false);
}

void ReportWrite(platform::Desktop& desktop, bool stored) {
  if (!stored) desktop.messageBox(kNotSaved, platform::mb::OKOnly | platform::mb::Critical, kErrorCaption);
}

bool WriteIniAtOnce(platform::Desktop& desktop, const std::string& file, const std::string& section,
                    const std::string& key, const std::string& value) {
  const bool stored = WriteIniChecked(file, section, key, value);
  ReportWrite(desktop, stored);
  return stored;
}

}  // namespace common
