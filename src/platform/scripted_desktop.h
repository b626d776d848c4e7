// The desktop of a scripted run: real widgets drawn offscreen, virtual time, and every outside
// service answered from a script and written to a log. Tests drive it as a user would.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/desktop.h"
#include "platform/program_starter.h"
#include "platform/web_browser.h"

namespace platform {

struct MessageRecord {
  std::string text;
  std::string caption;
  int style = 0;
  int answer = 0;
};

struct OpacityRecord {
  std::string form;
  int alpha = 0;
};

// A media player that plays nothing but keeps a log.
class ScriptedMedia : public MediaBackend {
 public:
  explicit ScriptedMedia(std::vector<std::string>& log) : log_(log) {}
  void open(const std::string& url) override;
  void close() override;
  void play() override;
  void setVolume(int volume) override;
  // The track plays to its end: the player reports state 1.
  bool endTrack();
  const std::string& url() const { return url_; }
  bool playing() const { return playing_; }
  int volume() const { return volume_; }

 private:
  std::vector<std::string>& log_;
  std::string url_;
  bool playing_ = false;
  int volume_ = 50;
};

class ScriptedDesktop : public Desktop {
 public:
  ScriptedDesktop(std::string programTitle, std::string programFolder, std::string lockFolder);
  ~ScriptedDesktop() override;

  std::string programFolder() const override { return programFolder_; }
  std::optional<FileDialogAnswer> fileDialog(const FileDialogRequest& request) override;
  std::optional<FontDialogAnswer> fontDialog(const FontDialogRequest& request) override;
  std::optional<std::int32_t> colourDialog(const ColourDialogRequest& request) override;
  void playSound(const std::string& path) override;
  std::unique_ptr<MediaBackend> createMediaBackend() override;
  std::unique_ptr<TimerBackend> createTimer(std::function<void()> fire) override;
  bool openDocument(const std::string& path) override;
  // Also put on the clipboard of the offscreen widgets, where a box's Paste finds it.
  void setClipboardText(const std::string& text) override;
  bool claimSingleInstance(const std::string& name) override;
  bool networkConnected() override { return connected_; }
  std::unique_ptr<PageLoader> createPageLoader() override;
  void applyOpacity(Form& form, int alpha) override;
  std::pair<int, int> screenSize() const override { return screen_; }
  bool realWindows() const override { return false; }

  // --- the script
  void setScreenSize(int widthPx, int heightPx) { screen_ = {widthPx, heightPx}; }
  // Virtual time: timers due within the next ms milliseconds fire in order of their due time, and
  // timers due at one instant in the order they were switched on.
  void advance(long long ms);
  long long now() const { return now_; }
  void answerMessage(int result) { messageAnswers_.push_back(result); }
  void answerFileDialog(std::string fileName, int filterIndex = 1) {
    fileAnswers_.push_back(FileDialogAnswer{std::move(fileName), filterIndex});
  }
  void cancelFileDialog() { fileAnswers_.push_back(std::nullopt); }
  // Font and colour dialogs without an answer waiting are cancelled.
  void answerFontDialog(FontDialogAnswer answer) { fontAnswers_.push_back(std::move(answer)); }
  void cancelFontDialog() { fontAnswers_.push_back(std::nullopt); }
  void answerColourDialog(std::int32_t colour) { colourAnswers_.push_back(colour); }
  void cancelColourDialog() { colourAnswers_.push_back(std::nullopt); }
  // Drops the dialog answers that no dialog took.
  void forgetDialogAnswers() {
    fileAnswers_.clear();
    fontAnswers_.clear();
    colourAnswers_.clear();
  }

  // --- web pages (scripted_web.cpp): the pages the script serves, by address, as the text their body
  // shows. A navigation completes after the page delay of virtual time, with the text the address
  // serves at that moment; an address without a page completes with the empty text, as a failed load.
  void setNetworkConnected(bool connected) { connected_ = connected; }
  void servePage(const std::string& address, std::string bodyText) { pages_[address] = std::move(bodyText); }
  void removePage(const std::string& address) { pages_.erase(address); }
  void setPageDelay(int ms) { pageDelay_ = ms; }
  // Every address a browser was asked to load, in order.
  const std::vector<std::string>& navigations() const { return navigations_; }
  int pageDelay() const { return pageDelay_; }
  // The body text the address serves now; nothing when it serves no page.
  std::optional<std::string> page(const std::string& address) const;
  void logNavigation(const std::string& address) { navigations_.push_back(address); }

  // --- the logs
  const std::vector<MessageRecord>& messages() const { return messages_; }
  const std::vector<FileDialogRequest>& fileDialogs() const { return fileDialogs_; }
  const std::vector<FontDialogRequest>& fontDialogs() const { return fontDialogs_; }
  const std::vector<ColourDialogRequest>& colourDialogs() const { return colourDialogs_; }
  const std::vector<std::string>& soundCalls() const { return soundCalls_; }
  const std::vector<std::string>& mediaLog() const { return mediaLog_; }
  const std::vector<std::string>& openedDocuments() const { return documents_; }
  const std::vector<std::string>& openedAddresses() const { return addresses_; }
  // Every text the program put on the clipboard, in order.
  const std::vector<std::string>& clipboardTexts() const { return clipboardTexts_; }
  const std::vector<OpacityRecord>& opacities() const { return opacities_; }
  int runningTimers() const;

  // --- the machine (scripted_machine.cpp): a system folder of the test's choosing, a clock that is
  // set and then runs with virtual time, and program runs that are logged instead of run.
  std::string systemFolder() const override;
  DateTime currentDateTime() const override;
  // Program runs are logged; "started" when the path is absolute and names an existing file. A program
  // that starts ends with the next exit code answered, or with 0.
  // How the next program run that starts ends, in order: an exit code, or nothing for a program that
  // crashed or did not end in time.
  void answerProgramRun(std::optional<int> exitCode) { programAnswers_.push_back(exitCode); }
  // What the user does while the next program runs.
  void duringProgramRun(std::function<void()> act) { duringRun_ = std::move(act); }
  // By default "system32" in the lock folder, which stands for the machine; "" is refused.
  void setSystemFolder(std::string folder);
  // The clock shows this date and time now and runs on as virtual time advances.
  void setDateTime(const DateTime& time);
  const std::vector<ProgramStart>& startedPrograms() const { return programStarts_; }

 protected:
  int showMessageBox(const std::string& text, int style, const std::string& caption) override;
  std::optional<int> waitForProgram(const std::string& program,
                                    const std::vector<std::string>& arguments) override;
  bool openAddress(const std::string& address) override;
  void quit() override {}

 private:
  class Clockwork;
  friend class Clockwork;
  std::string programFolder_;
  std::string lockFolder_;
  std::pair<int, int> screen_{1920, 1080};
  long long now_ = 0;
  long long sequence_ = 0;
  std::vector<Clockwork*> timers_;
  std::deque<int> messageAnswers_;
  std::deque<std::optional<FileDialogAnswer>> fileAnswers_;
  std::deque<std::optional<FontDialogAnswer>> fontAnswers_;
  std::deque<std::optional<std::int32_t>> colourAnswers_;
  std::vector<MessageRecord> messages_;
  std::vector<FileDialogRequest> fileDialogs_;
  std::vector<FontDialogRequest> fontDialogs_;
  std::vector<ColourDialogRequest> colourDialogs_;
  std::vector<std::string> soundCalls_;
  std::vector<std::string> mediaLog_;
  std::vector<std::string> documents_;
  std::vector<std::string> addresses_;
  std::vector<std::string> clipboardTexts_;
  std::vector<OpacityRecord> opacities_;
  std::vector<std::unique_ptr<struct LockHolder>> locks_;
  // web pages
  bool connected_ = true;
  std::map<std::string, std::string> pages_;
  int pageDelay_ = 300;
  std::vector<std::string> navigations_;
  // the machine
  std::string systemFolder_;
  DateTime clockSetTo_{2024, 5, 18, 14, 30, 0};
  long long clockSetAt_ = 0;
  std::vector<ProgramStart> programStarts_;
  std::deque<std::optional<int>> programAnswers_;
  std::function<void()> duringRun_;
};

// A user's hands on the scripted desktop. Each returns false when the user could not do it (the
// control is hidden, disabled or its window is not shown).
namespace user {
bool click(Control& control);
bool doubleClick(Control& control);
// The pointer moves to a point of the window (twips from its inner top left); the control that
// lies under it there, or the bare window, gets the movement.
bool movePointer(Form& form, double x, double y);
// The pointer leaves the window, straight out of it: the window and its controls get no movement.
bool movePointerOut(Form& form);
// A mouse button (1 left, 2 right, 4 middle) pressed and released at a point of the window.
bool pressMouse(Form& form, double x, double y, int button);
// A key, by its key code, pressed while the window has the focus (and its focused control). Keys that
// write a character carry it, as a keyboard's do: letters (capitals with Shift), digits, Space, Enter,
// Escape, Backspace, Tab, Delete (DEL), and the control characters of Ctrl+letter.
bool pressKey(Form& form, int keyCode, int shift = 0);
// Text typed on the keyboard into the window's focused control, one key per character.
bool typeText(Form& form, const std::string& text);
// Text an input method commits into the window's focused control, in one piece.
bool commitText(Form& form, const std::string& text);
// Text put on the clipboard, then pasted into the box with Paste from its context menu.
bool pasteText(TextBox& box, const std::string& text);
// An entry of the combo box's list picked from the opened list.
bool pickListEntry(ComboBox& combo, int index);
// The control takes the keyboard focus, as after a Tab to it.
bool focus(Control& control);
// The close box of the window's frame.
bool closeWindow(Form& form);
// Scroll bar: a click on an arrow or in the trough (+1 on the side of Max, the bottom or right end; -1
// on the side of Min), a drag of the thumb released at a value. A trough click where the thumb leaves
// no room is refused (false).
bool clickArrow(ScrollBar& bar, int direction);
bool clickPage(ScrollBar& bar, int direction);
bool dragThumb(ScrollBar& bar, int value);
// The window drawn as the user sees it, saved as PNG.
bool screenshot(Form& form, const std::string& pngPath);
// The colour (0xRRGGBB) of one pixel of the window as drawn, at twips from its inner top left.
std::uint32_t pixelAt(Form& form, double x, double y);
// Lets the platform finish work it put off (windows closed in an event are destroyed afterwards).
void settle();
}  // namespace user

}  // namespace platform
