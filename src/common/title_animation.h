// The caption animation of the settings pages, the report window and the small information windows:
// the program title is written into the caption one character at a time, again and again.
#pragma once

namespace platform {
class Form;
}

namespace common {

// One tick (every 500 ms): a caption showing the whole program title becomes empty; an empty caption,
// or one showing the title's first characters, grows by one character; any other caption stays.
// Characters, not bytes: a title in Chinese grows one whole character at a time.
void TitleAnimation(platform::Form& window);

}  // namespace common
