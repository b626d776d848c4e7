#include "platform/common_dialog.h"

namespace platform {

void CommonDialog::resetDesign() {
  Control::resetDesign();
  Filter.clear();
  FilterIndex = 0;
  Flags = 0;
  FileName.clear();
  DialogTitle.clear();
  InitDir.clear();
  CancelError = false;
  FontName.clear();
  FontSize = 0;
  FontBold = FontItalic = false;
  Color = 0;
}

bool CommonDialog::ShowOpen() {
  return show(FileDialogRequest::Kind::Open);
}
bool CommonDialog::ShowSave() {
  return show(FileDialogRequest::Kind::Save);
}

bool CommonDialog::show(FileDialogRequest::Kind kind) {
  FileDialogRequest request;
  request.kind = kind;
  request.title = DialogTitle;
  request.filter = Filter;
  request.filterIndex = FilterIndex;
  request.flags = Flags;
  request.fileName = FileName;
  request.initDir = InitDir;
  const auto answer = form().desktop().fileDialog(request);
  if (!answer) return false;
  FileName = answer->fileName;
  FilterIndex = answer->filterIndex;
  return true;
}

bool CommonDialog::ShowFont() {
  const auto answer = form().desktop().fontDialog(
      {.flags = Flags, .name = FontName, .size = FontSize, .bold = FontBold, .italic = FontItalic});
  if (!answer) return false;
  FontName = answer->name;
  FontSize = answer->size;
  FontBold = answer->bold;
  FontItalic = answer->italic;
  return true;
}

bool CommonDialog::ShowColor() {
  const auto answer = form().desktop().colourDialog({.flags = Flags, .colour = Color});
  if (!answer) return false;
  Color = *answer;
  return true;
}

}  // namespace platform
