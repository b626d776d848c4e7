// The desktop of a real run: windows on the screen, the sound device, the user's shell.
#pragma once

#include <chrono>
#include <memory>

#include "platform/desktop.h"

namespace platform {

class RealDesktop : public Desktop {
 public:
  explicit RealDesktop(std::string programTitle);
  ~RealDesktop() override;

  std::string programFolder() const override;
  std::optional<FileDialogAnswer> fileDialog(const FileDialogRequest& request) override;
  std::optional<FontDialogAnswer> fontDialog(const FontDialogRequest& request) override;
  std::optional<std::int32_t> colourDialog(const ColourDialogRequest& request) override;
  // The system sound (real_sound.cpp) and the media player's engine (real_media.cpp).
  void playSound(const std::string& path) override;
  std::unique_ptr<MediaBackend> createMediaBackend() override;
  std::unique_ptr<TimerBackend> createTimer(std::function<void()> fire) override;
  bool openDocument(const std::string& path) override;
  void setClipboardText(const std::string& text) override;
  bool claimSingleInstance(const std::string& name) override;
  // Web pages (real_web.cpp): the system's network state, pages fetched over HTTP.
  bool networkConnected() override;
  std::unique_ptr<PageLoader> createPageLoader() override;
  // How long a page load may take before it completes as a failed one (30 s), and how much of that
  // the server may take for the head of its answer (10 s). For loaders made from now on.
  void setPageTimeLimits(std::chrono::milliseconds head, std::chrono::milliseconds whole);
  std::pair<int, int> screenSize() const override;
  bool realWindows() const override { return true; }

  // The machine (real_machine.cpp): the system folder of this user, the system clock, detached
  // processes.
  std::string systemFolder() const override;
  DateTime currentDateTime() const override;

 protected:
  std::optional<int> waitForProgram(const std::string& program,
                                    const std::vector<std::string>& arguments) override;
  int showMessageBox(const std::string& text, int style, const std::string& caption) override;
  bool openAddress(const std::string& address) override;
  void quit() override;

 private:
  struct Impl;
  std::unique_ptr<Impl> d;
  std::chrono::milliseconds pageHeadLimit_{10000};
  std::chrono::milliseconds pageTimeLimit_{30000};
};

}  // namespace platform
