#include "platform/desktop.h"

#include <QUrl>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <exception>
#include <utility>

#include "platform/form.h"

namespace platform {

namespace mb {
std::vector<int> buttonsOf(int style) {
  switch (style & 7) {
    case OKCancel:
      return {OK, Cancel};
    case AbortRetryIgnore:
      return {Abort, Retry, Ignore};
    case YesNoCancel:
      return {Yes, No, Cancel};
    case YesNo:
      return {Yes, No};
    case RetryCancel:
      return {Retry, Cancel};
    default:
      return {OK};
  }
}

int iconOf(int style) {
  return style & 0x70;
}
}  // namespace mb

std::vector<FilterEntry> parseFilter(const std::string& filter) {
  std::vector<std::string> parts;
  std::string current;
  for (char c : filter) {
    if (c == '|') {
      parts.push_back(current);
      current.clear();
    } else {
      current += c;
    }
  }
  // What follows the last "|" is a dangling rest: only blanks are expected there.
  if (current.find_first_not_of(' ') != std::string::npos) parts.push_back(current);
  std::vector<FilterEntry> entries;
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2) entries.push_back({parts[i], parts[i + 1]});
  return entries;
}

Desktop::Desktop(std::string programTitle) : title_(std::move(programTitle)) {}
Desktop::~Desktop() = default;

std::string Desktop::programPath(std::string_view designPath) const {
  return programFolder() + std::string(designPath);
}

void Desktop::registerForm(Form& form) {
  forms_.push_back(&form);
}

Form* Desktop::form(std::string_view name) const {
  for (Form* f : forms_)
    if (f->Name() == name) return f;
  return nullptr;
}

int Desktop::messageBox(const std::string& text, int style, const std::string& caption) {
  // The user closed the window while a program ran: the close comes before anything else is asked.
  if (closePostponed()) endIfNoWindowLeft();
  if (ended_) return mb::buttonsOf(style).back();
  return showMessageBox(text, style, caption.empty() ? title_ : caption);
}

bool isWebAddress(const std::string& address) {
  const QString text = QString::fromStdString(address);
  if (text.trimmed() != text) return false;
  const QUrl url(text, QUrl::StrictMode);
  const QString scheme = url.scheme().toLower();
  return url.isValid() && !url.isRelative() && !url.host().isEmpty() &&
         (scheme == "http" || scheme == "https");
}

bool Desktop::openWebAddress(const std::string& address) {
  if (!isWebAddress(address)) return false;
  return openAddress(address);
}

void Desktop::applyOpacity(Form& form, int alpha) {
  alpha = std::clamp(alpha, 0, 255);
  form.setOpacityValue(alpha);
  if (QWidget* w = form.widget()) w->setWindowOpacity(alpha / 255.0);
}

void Desktop::dispatch(const std::function<void()>& handler) {
  if (ended_ || !handler) return;
  ++depth_;
  try {
    handler();
  } catch (const std::exception& e) {
    ++handlerFailures_;
    std::fprintf(stderr, "%s: an event handler failed: %s\n", title_.c_str(), e.what());
  } catch (...) {
    ++handlerFailures_;
    std::fprintf(stderr, "%s: an event handler failed\n", title_.c_str());
  }
  --depth_;
  if (depth_ > 0) return;
  closePostponed();
  endIfNoWindowLeft();
}

std::optional<int> Desktop::runProgram(const std::string& program,
                                       const std::vector<std::string>& arguments) {
  ++programRuns_;
  const std::optional<int> exitCode = waitForProgram(program, arguments);
  --programRuns_;
  return exitCode;
}

void Desktop::closeAsked(Form& form) {
  if (programRuns_ == 0) {
    dispatch([&form] { form.requestClose(); });
  } else if (std::find(postponed_.begin(), postponed_.end(), &form) == postponed_.end()) {
    postponed_.push_back(&form);
  }
}

bool Desktop::closePostponed() {
  if (programRuns_ > 0 || postponed_.empty()) return false;
  bool closed = false;
  for (Form* form : std::exchange(postponed_, {})) {
    if (!form->loaded()) continue;
    dispatch([form] { form->requestClose(); });
    closed = true;
  }
  return closed;
}

void Desktop::endIfNoWindowLeft() {
  if (ended_) return;
  if (std::none_of(forms_.begin(), forms_.end(), [](Form* f) { return f->loaded() && f->visible(); })) end();
}

void Desktop::end() {
  if (ended_) return;
  ended_ = true;
  active_ = nullptr;
  activation_.clear();
  for (Form* f : forms_)
    if (f->loaded()) f->teardown();
  quit();
}

void Desktop::formShown(Form& form) {
  std::erase(activation_, &form);
  activation_.push_back(&form);
  activate(&form);
}

void Desktop::formGone(Form& form) {
  std::erase(activation_, &form);
  if (active_ == &form) {
    active_ = nullptr;
    if (!activation_.empty()) activate(activation_.back());
  }
}

void Desktop::formActivatedByUser(Form& form) {
  if (!form.visible()) return;
  formShown(form);
}

void Desktop::activate(Form* form) {
  if (active_ == form) return;
  active_ = form;
  if (form) form->becameActive();
}

}  // namespace platform
