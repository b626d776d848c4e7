#include "kestrin/form1.h"

namespace kestrin {

Form1::Form1(platform::Desktop& desktop) : platform::Form(desktop, "Form1") {}

void Form1::build() {
  setCaption("Kestrin");
  setBorderStyle(1);
  setDesignSize(6000, 4500);
}

}  // namespace kestrin
