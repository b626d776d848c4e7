// The desktop: every service of the window system that the program uses, reached through one object.
// Two implementations exist: RealDesktop (Qt widgets, sound devices, the user's shell) and
// ScriptedDesktop (the same widgets offscreen, virtual time, answers and logs for tests).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/date_time.h"

namespace platform {

class Form;
class PageLoader;

// Message box styles and results, as numbered by the window system the program was designed for.
namespace mb {
inline constexpr int OKOnly = 0;
inline constexpr int OKCancel = 1;
inline constexpr int AbortRetryIgnore = 2;
inline constexpr int YesNoCancel = 3;
inline constexpr int YesNo = 4;
inline constexpr int RetryCancel = 5;
inline constexpr int Critical = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;

inline constexpr int OK = 1;
inline constexpr int Cancel = 2;
inline constexpr int Abort = 3;
inline constexpr int Retry = 4;
inline constexpr int Ignore = 5;
inline constexpr int Yes = 6;
inline constexpr int No = 7;

// The buttons of a style, in the order they appear, as result codes.
std::vector<int> buttonsOf(int style);
// The icon part of a style: 0, Critical, Question, Exclamation or Information.
int iconOf(int style);
}  // namespace mb

struct FileDialogRequest {
  enum class Kind { Open, Save };
  Kind kind = Kind::Open;
  std::string title;
  std::string filter;  // "desc|pattern|desc|pattern" as the program writes it
  int filterIndex = 1;
  int flags = 0;
  std::string fileName;  // the name the dialog starts with
  std::string initDir;
};

struct FileDialogAnswer {
  std::string fileName;
  int filterIndex = 1;
};

// The font dialog: flags as the program sets them, and the font it opens with (name "" for none).
struct FontDialogRequest {
  int flags = 0;
  std::string name;
  float size = 0;
  bool bold = false;
  bool italic = false;
};

struct FontDialogAnswer {
  std::string name;
  float size = 0;  // points, as the dialog gives them: a single-precision number
  bool bold = false;
  bool italic = false;
};

// The colour dialog: flags, and the colour number it opens with.
struct ColourDialogRequest {
  int flags = 0;
  std::int32_t colour = 0;
};

// True for an absolute http or https address with a host ("https://www.example.org/x"), exactly as
// given: blanks around it make it no address.
bool isWebAddress(const std::string& address);

// One pair of a filter string: what the user reads and the patterns (";"-separated).
struct FilterEntry {
  std::string description;
  std::string patterns;
};
// Splits "desc|pattern|desc|pattern|" into its pairs; a trailing "|" or blank is tolerated.
std::vector<FilterEntry> parseFilter(const std::string& filter);

// A window timer's clockwork. The Timer control owns one and decides when it runs.
class TimerBackend {
 public:
  virtual ~TimerBackend() = default;
  virtual void start(int intervalMs) = 0;  // (re)starts a full interval from now
  virtual void stop() = 0;
};

// A media player's engine: one file at a time, played by address.
class MediaBackend {
 public:
  virtual ~MediaBackend() = default;
  virtual void open(const std::string& url) = 0;  // starts playing; "" stops and leaves nothing
  virtual void close() = 0;                       // stops and forgets the file, reports no state
  virtual void play() = 0;                        // plays the current file again from its start
  virtual void setVolume(int volume) = 0;         // 0-100
  std::function<void(int)> stateChanged;          // 1 stopped (also: at the end of a track), 3 playing
};

class Desktop {
 public:
  explicit Desktop(std::string programTitle);
  virtual ~Desktop();
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;

  const std::string& title() const { return title_; }

  // The folder that holds the program file, without a trailing separator.
  virtual std::string programFolder() const = 0;
  // The program folder followed by a design path such as "\config\main.ini".
  std::string programPath(std::string_view designPath) const;

  // The program's help file; kept, shown by nothing.
  void setHelpFile(std::string path) { helpFile_ = std::move(path); }
  const std::string& helpFile() const { return helpFile_; }

  // --- forms
  void registerForm(Form& form);
  Form* form(std::string_view name) const;
  const std::vector<Form*>& forms() const { return forms_; }
  Form* activeForm() const { return active_; }

  // --- services
  // Shows a message box; caption "" means the program title. Returns the result code.
  int messageBox(const std::string& text, int style = 0, const std::string& caption = "");
  // Open or save dialog; nullopt when the user cancels.
  virtual std::optional<FileDialogAnswer> fileDialog(const FileDialogRequest& request) = 0;
  // Font and colour dialogs; nullopt when the user cancels. A colour is a chosen colour number.
  virtual std::optional<FontDialogAnswer> fontDialog(const FontDialogRequest& request) = 0;
  virtual std::optional<std::int32_t> colourDialog(const ColourDialogRequest& request) = 0;
  // System sound: one channel, every call cuts what plays; "" or an unplayable file plays nothing.
  virtual void playSound(const std::string& path) = 0;
  virtual std::unique_ptr<MediaBackend> createMediaBackend() = 0;
  virtual std::unique_ptr<TimerBackend> createTimer(std::function<void()> fire) = 0;
  // Opens a document with the program the desktop associates with its type. No command line.
  virtual bool openDocument(const std::string& path) = 0;
  // The clipboard is emptied, then given the text as plain text.
  virtual void setClipboardText(const std::string& text) = 0;
  // Opens an absolute http or https address (isWebAddress) in the web browser; anything else is
  // refused.
  bool openWebAddress(const std::string& address);
  // Whether the machine has a network connection, as the system reports it; where the system cannot
  // tell, whether a network interface other than the loopback one is up and has an address.
  virtual bool networkConnected() = 0;
  // The engine of a web browser control.
  virtual std::unique_ptr<PageLoader> createPageLoader() = 0;
  // True when no other copy of the named program runs; the claim lasts as long as this desktop. The
  // claim of a copy that ended, crashed or was killed does not count (lock_file.h).
  virtual bool claimSingleInstance(const std::string& name) = 0;
  // Whole-window opacity 0-255.
  virtual void applyOpacity(Form& form, int alpha);
  // The screen a maximised window fills, in pixels.
  virtual std::pair<int, int> screenSize() const = 0;
  virtual bool realWindows() const = 0;

  // --- the machine: system folder, clock, other programs
  // The system folder (system_folder.h), absolute, created when missing; never empty.
  virtual std::string systemFolder() const = 0;
  // The machine's local date and time now.
  virtual DateTime currentDateTime() const = 0;
  // Runs a program file, named by its absolute path and never looked up through the search path, with
  // its arguments, and waits for its end (program_starter.h). Its exit code; nothing when it did not
  // start, crashed or did not end in time. While it runs the windows take no input; a window the user
  // closes meanwhile closes once the waiting handler next shows a message box, or when it ends.
  std::optional<int> runProgram(const std::string& program, const std::vector<std::string>& arguments);

  // --- running and ending
  // Every event handler runs through dispatch: exceptions are caught and logged, and once the
  // outermost event is handled the program ends if no window is left visible.
  void dispatch(const std::function<void()>& handler);
  // Ends the program at once: every window goes, no close handler runs.
  void end();
  bool ended() const { return ended_; }
  // How many handlers ended in an exception (each is reported on the error output).
  int handlerFailures() const { return handlerFailures_; }

  // Called by forms.
  // The user closes the window (its close box, the window manager).
  void closeAsked(Form& form);
  void formShown(Form& form);
  void formGone(Form& form);
  void formActivatedByUser(Form& form);

 protected:
  virtual int showMessageBox(const std::string& text, int style, const std::string& caption) = 0;
  virtual std::optional<int> waitForProgram(const std::string& program,
                                            const std::vector<std::string>& arguments) = 0;
  virtual bool openAddress(const std::string& address) = 0;
  virtual void quit() = 0;

 private:
  void activate(Form* form);
  void endIfNoWindowLeft();
  // Closes the windows the user closed during a program run; false when there was none to close.
  bool closePostponed();

  std::string title_;
  std::string helpFile_;
  std::vector<Form*> forms_;
  std::vector<Form*> activation_;  // visible forms, most recently activated last
  Form* active_ = nullptr;
  int depth_ = 0;
  int programRuns_ = 0;           // programs being waited for
  std::vector<Form*> postponed_;  // windows closed by the user while a program ran
  int handlerFailures_ = 0;
  bool ended_ = false;
};

}  // namespace platform
