#include "common/navigation.h"

#include "platform/desktop.h"
#include "platform/form.h"

namespace common {

void ShowConsole(platform::Desktop& desktop) {
  if (platform::Form* console = desktop.form("Form4")) console->Show();
}

namespace {

platform::Form* Target(platform::Form& from, const char* target) {
  platform::Form* form = from.desktop().form(target);
  return form == &from ? nullptr : form;
}

}  // namespace

void ShowInstead(platform::Form& from, const char* target) {
  platform::Form* form = Target(from, target);
  if (!form) return;
  form->Show();
  from.Unload();
}

void ShowAndHide(platform::Form& from, const char* target) {
  platform::Form* form = Target(from, target);
  if (!form) return;
  form->Show();
  from.Hide();
}

}  // namespace common
