// The clipboard of both desktops.
#include <QClipboard>
#include <QGuiApplication>

#include "platform/qt_support.h"
#include "platform/real_desktop.h"
#include "platform/scripted_desktop.h"

namespace platform {

namespace {

void putOnClipboard(const std::string& text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  clipboard->setText(qs(text));
}

}  // namespace

void RealDesktop::setClipboardText(const std::string& text) {
  putOnClipboard(text);
}

void ScriptedDesktop::setClipboardText(const std::string& text) {
  clipboardTexts_.push_back(text);
  putOnClipboard(text);
}

}  // namespace platform
