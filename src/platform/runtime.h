// The process-wide part of the platform: the application object, fonts and styles.
#pragma once

#include <memory>
#include <string>

namespace platform {

class Runtime {
 public:
  Runtime(int& argc, char** argv);
  ~Runtime();
  Runtime(const Runtime&) = delete;
  Runtime& operator=(const Runtime&) = delete;

  // Runs the event loop until the program ends.
  int exec();
  // Stops the event loop.
  static void quit();
  static bool running();

 private:
  struct Impl;
  std::unique_ptr<Impl> d;
};

// Ends the process once the program's own objects are gone (its windows, desktop and runtime), without
// the exit-time teardown of the libraries beneath: there the sound library of Qt 6.4 disconnects from
// the sound server without holding its own lock, and now and then aborts the process in a race with
// its own thread. Everything the program writes is on the disk by then; open output is flushed.
[[noreturn]] void leaveProcess(int exitCode);

// The installed font that draws a stored font name ("宋体" draws as a serif CJK font, and so on).
std::string substituteFontFamily(const std::string& storedName);

// The installed font that draws a stored font name in a text box when its design face writes Latin
// letters and blanks half as wide as a Chinese character ("宋体", "黑体"); "" for other names, or when
// no such font is installed.
std::string halfWidthFontFamily(const std::string& storedName);

}  // namespace platform
