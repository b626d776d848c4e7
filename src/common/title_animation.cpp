#include "common/title_animation.h"

#include <string>
#include <vector>

#include "common/program.h"
#include "platform/form.h"

namespace common {

namespace {

// Where each character of a UTF-8 text ends: the byte lengths of its first 1, 2, … n characters.
std::vector<std::size_t> CharacterEnds(const std::string& text) {
  std::vector<std::size_t> ends;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : 4;
    i = std::min(text.size(), i + length);
    ends.push_back(i);
  }
  return ends;
}

}  // namespace

void TitleAnimation(platform::Form& window) {
  const std::string title = kProgramTitle;
  const std::vector<std::size_t> ends = CharacterEnds(title);
  if (ends.empty()) return;
  const std::string& caption = window.Caption();
  if (caption.empty()) {
    window.setCaption(title.substr(0, ends.front()));
    return;
  }
  for (std::size_t k = 0; k + 1 < ends.size(); ++k)
    if (caption == title.substr(0, ends[k])) {
      window.setCaption(title.substr(0, ends[k + 1]));
      return;
    }
  if (caption == title) window.setCaption("");
}

}  // namespace common
