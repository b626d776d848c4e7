// The web browser control: loads a web page that the user never sees and tells when the document is
// complete, with the text that the page's body shows.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/form.h"

namespace platform {

// A page loader's engine: one page at a time, fetched over the network.
class PageLoader {
 public:
  // A load still running is abandoned and reports nothing.
  virtual ~PageLoader() = default;
  // Starts loading the address; a load still running is abandoned. Only http and https addresses
  // are fetched: any other address fails. Completion is reported later, never from inside navigate.
  virtual void navigate(const std::string& address) = 0;
  // The document is complete: the text its body shows, lines ended with CR LF. A page that could
  // not be fetched completes all the same, with the empty text.
  std::function<void(const std::string& address, const std::string& bodyText)> completed;
};

class WebBrowser : public Control {
 public:
  using Control::Control;
  // Starts loading the page; the window goes on at once and DocumentComplete follows later.
  void Navigate(const std::string& address);
  // The address of the last document completed.
  const std::string& LocationURL() const { return location_; }
  // The body text of the last document completed: "" before any, and after a failed load.
  const std::string& BodyText() const { return bodyText_; }

  std::function<void(const std::string& URL)> DocumentComplete;

  bool hasSize() const override { return false; }
  void resetDesign() override;
  void attach(QWidget* parent) override;
  // The window unloads: a load still running ends with it.
  void detach() override;

 protected:
  std::string kindName() const override { return "WebBrowser"; }
  QWidget* createWidget(QWidget*) override { return nullptr; }

 private:
  std::string location_;
  std::string bodyText_;
  std::unique_ptr<PageLoader> loader_;
};

}  // namespace platform
