#include "support/test_program.h"

#include <atomic>
#include <chrono>
#include <random>
#include <stdexcept>

#include "common/ini.h"
#include "common/program.h"
#include "console/start.h"

namespace testing_support {

namespace fs = std::filesystem;

// Test processes run side by side: a folder is taken only when this process made it, so two tests
// never share one (and never remove each other's files).
TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  std::random_device random;
  for (;;) {
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    path_ = fs::temp_directory_path() / ("tallamo-test-" + std::to_string(stamp) + "-" +
                                         std::to_string(random()) + "-" + std::to_string(counter++));
    if (fs::create_directory(path_)) break;
  }
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
  fs::remove_all(path_, ignored);
}

std::string ScreenshotPath(const std::string& name) {
  return std::string(TALLAMO_SHOTS_DIR) + "/" + name + ".png";
}

bool PickEntry(platform::ComboBox& combo, const std::string& entry) {
  for (int i = 0; i < combo.ListCount(); ++i)
    if (combo.List(i) == entry) return platform::user::pickListEntry(combo, i);
  return false;
}

void TypeOver(platform::Control& box, const std::string& text) {
  platform::user::focus(box);
  platform::user::pressKey(box.form(), 'A', 2);
  platform::user::commitText(box.form(), text);
}

TestProgram::TestProgram(Data data, const std::string& lockFolder) {
  if (data == Data::Default)
    fs::copy(TALLAMO_DATA_DIR, folder_.path(),
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  desktop_ = std::make_unique<platform::ScriptedDesktop>(common::kProgramTitle, folder_.str(),
                                                         lockFolder.empty() ? locks_.str() : lockFolder);
  program_ = std::make_unique<tallamo::Program>(*desktop_);
}

TestProgram::~TestProgram() {
  program_.reset();
  platform::user::settle();
}

void TestProgram::start() {
  desktop_->dispatch([this] { tallamo::Main(*desktop_); });
}

void TestProgram::startToConsole() {
  start();
  // Fade-in, three seconds' hold and the fade-out.
  advance(37 * 15 + 3000 + 19 * 15 + 100);
}

platform::Form& TestProgram::form(const std::string& name) {
  platform::Form* f = desktop_->form(name);
  if (!f) throw std::runtime_error("no window " + name);
  return *f;
}

bool TestProgram::click(const std::string& formName, const std::string& name, int index) {
  platform::Control* c = form(formName).control(name, index);
  if (!c) throw std::runtime_error("no control " + formName + "." + name);
  return platform::user::click(*c);
}

std::string TestProgram::path(const std::string& designPath) const {
  return desktop_->programPath(designPath);
}

std::string TestProgram::readIni(const std::string& designPath, const std::string& section,
                                 const std::string& key) const {
  return common::ReadIni(path(designPath), section, key);
}

void TestProgram::writeIni(const std::string& designPath, const std::string& section, const std::string& key,
                           const std::string& value) const {
  if (!common::WriteIniChecked(path(designPath), section, key, value))
    throw std::runtime_error("cannot write " + designPath);
}

}  // namespace testing_support
