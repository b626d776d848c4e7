// The font and colour dialogs of a real run.
#include <QColorDialog>
#include <QFontDatabase>
#include <QFontDialog>

#include "platform/qt_support.h"
#include "platform/real_desktop.h"
#include "platform/runtime.h"

namespace platform {

namespace {

// The font the dialog opens with. Its style is named as the font names it: the dialog matches style
// names, and a style name it makes up itself may be translated where the font's is not.
QFont openingFont(const FontDialogRequest& request) {
  QFont font(qs(substituteFontFamily(request.name)));
  if (request.size > 0) font.setPointSizeF(request.size);
  font.setBold(request.bold);
  font.setItalic(request.italic);
  const QString family = font.family();
  for (const QString& style : QFontDatabase::styles(family))
    if (QFontDatabase::bold(family, style) == request.bold &&
        QFontDatabase::italic(family, style) == request.italic) {
      font.setStyleName(style);
      break;
    }
  return font;
}

}  // namespace

std::optional<FontDialogAnswer> RealDesktop::fontDialog(const FontDialogRequest& request) {
  QFontDialog dialog;
  if (!request.name.empty()) dialog.setCurrentFont(openingFont(request));
  if (execModal(dialog) != QDialog::Accepted) return std::nullopt;
  const QFont chosen = dialog.selectedFont();
  return FontDialogAnswer{.name = ss(chosen.family()),
                          .size = static_cast<float>(chosen.pointSizeF()),
                          .bold = chosen.bold(),
                          .italic = chosen.italic()};
}

std::optional<std::int32_t> RealDesktop::colourDialog(const ColourDialogRequest& request) {
  QColorDialog dialog;
  if (colour::valid(request.colour)) dialog.setCurrentColor(toQColor(request.colour));
  if (execModal(dialog) != QDialog::Accepted) return std::nullopt;
  const QColor chosen = dialog.selectedColor();
  return colour::rgb(chosen.red(), chosen.green(), chosen.blue());
}

}  // namespace platform
