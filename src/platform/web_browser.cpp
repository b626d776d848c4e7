#include "platform/web_browser.h"

#include "platform/desktop.h"

namespace platform {

void WebBrowser::resetDesign() {
  Control::resetDesign();
  location_.clear();
  bodyText_.clear();
}

void WebBrowser::attach(QWidget*) {
  loader_ = form().desktop().createPageLoader();
  loader_->completed = [this](const std::string& address, const std::string& text) {
    location_ = address;
    bodyText_ = text;
    raise([this, address] {
      if (DocumentComplete) DocumentComplete(address);
    });
  };
}

void WebBrowser::detach() {
  loader_.reset();
  Control::detach();
}

void WebBrowser::Navigate(const std::string& address) {
  if (loader_) loader_->navigate(address);
}

}  // namespace platform
