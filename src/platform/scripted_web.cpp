// The scripted desktop's web pages: served from the script after a delay of virtual time.
#include "platform/scripted_desktop.h"

namespace platform {

namespace {

class ScriptedPageLoader : public PageLoader {
 public:
  explicit ScriptedPageLoader(ScriptedDesktop& desktop) : desktop_(desktop) {}

  void navigate(const std::string& address) override {
    desktop_.logNavigation(address);
    address_ = address;
    // The clock of a previous load goes with it: that load reports nothing.
    timer_ = desktop_.createTimer([this] { complete(); });
    timer_->start(desktop_.pageDelay());
  }

 private:
  // The window told may end the program and take this loader with it: nothing of it is used after.
  void complete() {
    timer_->stop();
    const auto report = completed;
    const std::string address = address_, text = desktop_.page(address_).value_or("");
    if (report) report(address, text);
  }

  ScriptedDesktop& desktop_;
  std::string address_;
  std::unique_ptr<TimerBackend> timer_;
};

}  // namespace

std::optional<std::string> ScriptedDesktop::page(const std::string& address) const {
  const auto found = pages_.find(address);
  if (found == pages_.end()) return std::nullopt;
  return found->second;
}

std::unique_ptr<PageLoader> ScriptedDesktop::createPageLoader() {
  return std::make_unique<ScriptedPageLoader>(*this);
}

}  // namespace platform
