// What every settings page shares: the theme picture behind it, and the file pickers with their
// filters.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace platform {
class CommandButton;
class CommonDialog;
class Desktop;
class Form;
class Image;
class Label;
}  // namespace platform

namespace settings {

// The page size shared by the settings entrance and the four wizard steps (twips): the step title at
// the bottom left, at top 8280, stands whole above the bottom edge.
inline constexpr int kPageWidth = 11880;
inline constexpr int kPageHeight = 8580;

// --- the design of a wizard step

// A step's window: fixed frame, the page size, and Image1 covering the page with the picture designed
// with the pages (the theme picture replaces it at load).
void DesignStepPage(platform::Form& page, platform::Image& image);
// The step's title at the bottom left ("设置2-4：…"): bold, dark blue.
void DesignStepTitle(platform::Label& title, const char* caption);
// A button of the bottom row, with the pages' own mouse pointer.
void DesignStepButton(platform::CommandButton& button, const char* caption, int left);

// A caption of a settings page: black text on the page's picture, one line high (255).
// Alignment 0 left, 1 right, 2 centre.
void DesignCaption(platform::Label& label, const char* caption, int left, int top, int width,
                   int alignment = 0);

// A colour swatch takes the colour; its caption stays legible on it (white on a dark colour). A
// number that is no colour changes nothing.
void ShowSwatchColour(platform::Label& swatch, std::int32_t colour);
// The lefts of the bottom row: back, to the console, save, next.
inline constexpr int kBackLeft = 6600, kConsoleLeft = 7920, kSaveLeft = 9240, kNextLeft = 10560;

// --- the theme picture

// The four themes a page may show, as Config\Theme.ini stores them.
inline constexpr const char* kThemes[4] = {"Theme-1", "Theme-2", "Theme-3", "Theme-4"};

// The theme stored in Config\Theme.ini, as it stands; "" when the file, section or key is missing.
std::string ReadTheme(platform::Desktop& desktop);

// The picture file of a theme: the program folder followed by "\Theme\ThemeN.jpg" for a value that
// equals "Theme-N" exactly; "" for any other value (another letter case, blanks around it).
std::string ThemePicture(platform::Desktop& desktop, const std::string& theme);

// Loads the picture of the theme into the page's Image1. Any other value, or a picture that cannot be
// loaded, leaves the picture the page shows. True when a theme picture was loaded.
bool LoadThemePicture(platform::Image& image, const std::string& theme);
// The same with the stored theme, as a page's load does it.
bool LoadThemePicture(platform::Image& image);

// --- file pickers (the dialog keeps its last file name while the page stays open)

inline constexpr const char* kFilterPicture = "JPG文件(*.jpg)|*.jpg|位图文件(*.bmp)|*.bmp|";
inline constexpr const char* kFilterAllFiles = "所有文件(*.*)|*.*|";
inline constexpr const char* kFilterWave = "波形文件(*.wav)|*.wav|所有文件(*.*)|*.*|";
inline constexpr const char* kFilterPresentation =
    "演示文稿(*.ppt)|*.ppt|幻灯片放映(*.pps)|*.pps|演示文稿(2007)(*.pptx)|*.pptx|"
    "幻灯片放映(2007)(*.ppsx)|*.ppsx|所有文件(*.*)|*.*|";
// The open dialog's flag that hides the read-only check box.
inline constexpr int kHideReadOnly = 4;

// An open dialog with the filter, its first entry selected and the read-only box hidden: the full
// path of the chosen file, or nothing for Cancel (which changes nothing).
std::optional<std::string> PickFile(platform::CommonDialog& dialog, const std::string& filter);

}  // namespace settings
