#include "settings/settings_page.h"

#include "common/config_names.h"
#include "common/ini.h"
#include "platform/controls.h"

namespace settings {

void DesignStepPage(platform::Form& page, platform::Image& image) {
  page.setBorderStyle(1);
  page.setDesignSize(kPageWidth, kPageHeight);
  image.Move(0, 0, kPageWidth, kPageHeight);
  image.setStretch(true);
  image.loadPicture(page.desktop().programPath(common::builtin::kSettingsPicture));
}

void DesignStepTitle(platform::Label& title, const char* caption) {
  title.setCaption(caption);
  title.setBackStyle(0);
  title.setForeColor(12582912);  // dark blue
  title.setFontBold(true);
  title.Move(120, 8280, 5400, 270);
}

void DesignCaption(platform::Label& label, const char* caption, int left, int top, int width, int alignment) {
  label.setCaption(caption);
  label.setBackStyle(0);
  label.setForeColor(platform::colour::Black);
  label.setAlignment(alignment);
  label.Move(left, top, width, 255);
}

void DesignStepButton(platform::CommandButton& button, const char* caption, int left) {
  button.setCaption(caption);
  button.Move(left, 8040, 1215, 375);
  button.setMouseIcon(button.form().desktop().programPath(common::builtin::kButtonPointer));
}

void ShowSwatchColour(platform::Label& swatch, std::int32_t colour) {
  if (!swatch.setBackColor(colour)) return;
  const std::uint32_t rgb = platform::colour::toRgb(colour);
  const int r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
  const bool dark = 299 * r + 587 * g + 114 * b < 128000;
  swatch.setForeColor(dark ? platform::colour::rgb(255, 255, 255) : platform::colour::Black);
}

std::string ReadTheme(platform::Desktop& desktop) {
  return common::ReadIni(desktop.programPath(common::theme_ini::kFile), common::kSection,
                         common::theme_ini::kTheme);
}

std::string ThemePicture(platform::Desktop& desktop, const std::string& theme) {
  for (int n = 1; n <= 4; ++n)
    if (theme == kThemes[n - 1]) return desktop.programPath("\\Theme\\Theme" + std::to_string(n) + ".jpg");
  return "";
}

bool LoadThemePicture(platform::Image& image, const std::string& theme) {
  const std::string picture = ThemePicture(image.form().desktop(), theme);
  return !picture.empty() && image.loadPicture(picture);
}

bool LoadThemePicture(platform::Image& image) {
  return LoadThemePicture(image, ReadTheme(image.form().desktop()));
}

std::optional<std::string> PickFile(platform::CommonDialog& dialog, const std::string& filter) {
  dialog.CancelError = true;
  dialog.Flags = kHideReadOnly;
  dialog.Filter = filter;
  dialog.FilterIndex = 1;
  if (!dialog.ShowOpen()) return std::nullopt;
  return dialog.FileName;
}

}  // namespace settings
