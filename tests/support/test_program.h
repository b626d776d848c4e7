// The test desktop: the program started on a scripted desktop in a temporary program folder made
// from data/. Tests drive it as a user would and read what the screen, the logs and the files show.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "app/program.h"
#include "platform/controls.h"
#include "platform/scripted_desktop.h"

namespace testing_support {

// A fresh folder under the system's temporary folder, removed at the end of the test.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::string str() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

// Where screenshots of the tests go, for a reviewer to look at.
std::string ScreenshotPath(const std::string& name);

// The user's hands on the settings pages: the list entry that reads `entry` picked from the opened
// list (false when there is none or it cannot be picked), and a box's text replaced by what an input
// method commits (the box takes the focus, Ctrl+A selects its text).
bool PickEntry(platform::ComboBox& combo, const std::string& entry);
void TypeOver(platform::Control& box, const std::string& text);

enum class Data { Default, Empty };

class TestProgram {
 public:
  explicit TestProgram(Data data = Data::Default, const std::string& lockFolder = "");
  ~TestProgram();

  platform::ScriptedDesktop& desktop() { return *desktop_; }
  tallamo::Program& program() { return *program_; }
  const TempFolder& folder() const { return folder_; }

  // Runs the start routine, as the system does when the program is started.
  void start();
  // Starts the program and lets the splash run to its end: the console is shown.
  void startToConsole();

  platform::Form& form(const std::string& name);
  template <class T>
  T& control(const std::string& formName, const std::string& name, int index = -1) {
    auto* c = dynamic_cast<T*>(form(formName).control(name, index));
    if (!c) throw std::runtime_error("no control " + formName + "." + name);
    return *c;
  }
  bool click(const std::string& formName, const std::string& name, int index = -1);
  void advance(long long ms) { desktop_->advance(ms); }

  // A file of the program folder, by design path ("\config\main.ini").
  std::string path(const std::string& designPath) const;
  std::string readIni(const std::string& designPath, const std::string& section,
                      const std::string& key) const;
  void writeIni(const std::string& designPath, const std::string& section, const std::string& key,
                const std::string& value) const;

 private:
  TempFolder folder_;
  TempFolder locks_;
  std::unique_ptr<platform::ScriptedDesktop> desktop_;
  std::unique_ptr<tallamo::Program> program_;
};

}  // namespace testing_support
