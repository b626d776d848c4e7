#include "settings/form7.h"

#include "common/config_names.h"
#include "common/convert.h"
#include "common/ini.h"
#include "common/marking.h"
#include "common/navigation.h"
#include "common/program.h"
#include "common/saving.h"
#include "common/title_animation.h"
#include "platform/files.h"
#include "settings/settings_page.h"

namespace tallamo {

using namespace common;

namespace {

constexpr int kRowTops[4] = {2640, 3240, 3840, 4440};
constexpr int kRowHeight = 375;

constexpr const char* kHelp =
    "帮助：\r\n"
    "    在此界面，您可以进行主界面的相关设置如背景颜色（没有设置背景图片或图片路径失效时显示）。\r\n"
    "    为了能正常使用演示文件（目前支持的文件类型有ppt、pps、pptx、ppsx），您的电脑上必须安装了"
    "Microsoft \r\n"
    "Office中的Powerpoint组件。经测试，能在Office 2003、2007、2010环境下上能支持此功能。单需要注意的"
    "是，所\r\n"
    "创建演示文件的版本，必须不高于系统所装Office软件的版本。\r\n"
    "    对演示的文件的选择上，我们推荐使用Powerpoint放映文件（pps或ppsx格式）。\r\n";

void DesignButton(platform::CommandButton& button, const char* caption, int left, int top, int width) {
  button.setCaption(caption);
  button.Move(left, top, width, kRowHeight);
}

}  // namespace

Form7::Form7(platform::Desktop& desktop) : platform::Form(desktop, "Form7") {
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
  Command3.Click = [this] { Command3_Click(); };
  Command4.Click = [this] { Command4_Click(); };
  Command5.Click = [this] { Command5_Click(); };
  Command6.Click = [this] { Command6_Click(); };
  Command7.Click = [this] { Command7_Click(); };
  Command8.Click = [this] { Command8_Click(); };
  Command9.Click = [this] { Command9_Click(); };
  Command10.Click = [this] { Command10_Click(); };
  Command11.Click = [this] { Command11_Click(); };
  Command12.Click = [this] { Command12_Click(); };
  Command13.Click = [this] { Command13_Click(); };
  Label2.DblClick = [this] { Label2_DblClick(); };
  Text6.DblClick = [this] { Text6_DblClick(); };
  Timer1.Tick = [this] { Timer1_Timer(); };
}

void Form7::build() {
  settings::DesignStepPage(*this, Image1);

  settings::DesignCaption(Label1[5], "主界面背景设置", 840, 720, 3000);
  settings::DesignCaption(Label1[6], "背景颜色", 1920, 1440, 900);
  Label2.setCaption("颜色预览");
  Label2.setAlignment(2);
  Label2.setToolTipText("双击此处更改颜色");
  Label2.Move(2880, 1320, 2655, kRowHeight);
  settings::DesignCaption(Label1[7], "背景图片", 6480, 1440, 900);
  Text6.setLocked(true);
  Text6.setToolTipText("双击此处更换图片");
  Text6.Move(7440, 1320, 2535, kRowHeight);
  DesignButton(Command12, "移除", 10080, 1320, 735);

  settings::DesignCaption(Label1[4],
                          "需要导入PPT文件环节的设置（操作系统上需安装Microsoft Office中的PowerPoint）组件",
                          720, 2160, 10800);
  for (int row = 0; row < 4; ++row) {
    const int top = kRowTops[row];
    settings::DesignCaption(Label1[row], "自定义环节名称", 1440, top + 120, 1400);
    NameField(row).Move(2880, top, 2655, kRowHeight);
    platform::CommandButton* imports[4] = {&Command1, &Command2, &Command3, &Command4};
    DesignButton(*imports[row], "导入文件...", 5880, top, 1215);
    PathField(row).setLocked(true);
    PathField(row).Move(7320, top, 2655, kRowHeight);
    platform::CommandButton* removals[4] = {&Command5, &Command6, &Command7, &Command8};
    DesignButton(*removals[row], "移除", 10200, top, 855);
  }
  // The console has buttons for three custom stages: the fourth is shown, stored, and never edited.
  for (platform::Control* c :
       std::initializer_list<platform::Control*>{&Text4, &Command4, &Text12, &Command8})
    c->setEnabled(false);

  Text5.setMultiLine(true);
  Text5.setScrollBars(2);
  Text5.Move(1320, 5520, 9495, 1815);
  Text5.setText(kHelp);

  settings::DesignStepTitle(Label3, "设置2-4：主界面背景设置及演示文件的导入");
  settings::DesignStepButton(Command10, "<<上一步", settings::kBackLeft);
  settings::DesignStepButton(Command11, "返回主界面", settings::kConsoleLeft);
  settings::DesignStepButton(Command9, "保存设置", settings::kSaveLeft);
  settings::DesignStepButton(Command13, "下一步>>", settings::kNextLeft);

  Timer1.setInterval(500);
}

platform::TextBox& Form7::NameField(int row) {
  platform::TextBox* fields[4] = {&Text1, &Text2, &Text3, &Text4};
  return *fields[row];
}

platform::TextBox& Form7::PathField(int row) {
  platform::TextBox* fields[4] = {&Text9, &Text10, &Text11, &Text12};
  return *fields[row];
}

void Form7::Form_Load() {
  setCaption(kProgramTitle);
  settings::LoadThemePicture(Image1);

  const std::string ppt = desktop().programPath(ppt_ini::kFile);
  for (int row = 0; row < 4; ++row) NameField(row).setText(ReadIni(ppt, kSection, ppt_ini::kName[row]));
  for (int row = 0; row < 4; ++row) PathField(row).setText(ReadIni(ppt, kSection, ppt_ini::kPath[row]));
  for (int row = 0; row < 4; ++row) MarkMissingFile(PathField(row), PathField(row).Text());

  const std::string main = desktop().programPath(main_ini::kFile);
  if (const auto colour = StrictLong(ReadIni(main, kSection, main_ini::kBackColour)))
    settings::ShowSwatchColour(Label2, *colour);
  Text6.setText(ReadIni(main, kSection, main_ini::kPicture));
  MarkIfMissing(Text6, Text6.Text());
}

void Form7::Form_Activate() {
  Text1.SetFocus();
}

// --- the presentation files: picked and removed in the fields, stored by "保存设置"

void Form7::ImportPresentation(int row) {
  const auto file = settings::PickFile(Cg1, settings::kFilterPresentation);
  if (!file) return;
  PathField(row).setText(*file);
  PathField(row).setForeColor(platform::colour::Black);
}

// The field's colour stays as it was.
void Form7::RemovePresentation(int row) {
  PathField(row).setText("");
}

void Form7::Command1_Click() {
  ImportPresentation(0);
}
void Form7::Command2_Click() {
  ImportPresentation(1);
}
void Form7::Command3_Click() {
  ImportPresentation(2);
}
void Form7::Command4_Click() {
  ImportPresentation(3);
}
void Form7::Command5_Click() {
  RemovePresentation(0);
}
void Form7::Command6_Click() {
  RemovePresentation(1);
}
void Form7::Command7_Click() {
  RemovePresentation(2);
}
void Form7::Command8_Click() {
  RemovePresentation(3);
}

// "保存设置": the four names, then the four paths, as they stand; row 4 passes through unchanged. A
// write that fails ends the save and is told.
void Form7::Command9_Click() {
  const std::string ppt = desktop().programPath(ppt_ini::kFile);
  bool stored = true;
  for (int row = 0; row < 4 && stored; ++row)
    stored = WriteIniChecked(ppt, kSection, ppt_ini::kName[row], NameField(row).Text());
  for (int row = 0; row < 4 && stored; ++row)
    stored = WriteIniChecked(ppt, kSection, ppt_ini::kPath[row], PathField(row).Text());
  ConfirmSave(desktop(), stored);
}

// --- the console's background: stored at once

// The swatch: the console shows the colour from its next load or "刷新设置".
void Form7::Label2_DblClick() {
  Cg1.CancelError = true;
  if (!Cg1.ShowColor()) return;
  settings::ShowSwatchColour(Label2, Cg1.Color);
  WriteIniAtOnce(desktop(), desktop().programPath(main_ini::kFile), kSection, main_ini::kBackColour,
                 std::to_string(Label2.BackColor()));
}

void Form7::Text6_DblClick() {
  const auto file =
      settings::PickFile(Cg2, std::string(settings::kFilterPicture) + settings::kFilterAllFiles);
  if (!file) return;
  Text6.setText(*file);
  Text6.setForeColor(platform::colour::Black);
  WriteIniAtOnce(desktop(), desktop().programPath(main_ini::kFile), kSection, main_ini::kPicture,
                 Text6.Text());
  if (platform::fileExists(Text6.Text())) ShowOnConsole(Text6.Text());
}

// "移除" beside the picture: the console shows its background colour.
void Form7::Command12_Click() {
  Text6.setText("");
  WriteIniAtOnce(desktop(), desktop().programPath(main_ini::kFile), kSection, main_ini::kPicture, "");
  ShowOnConsole("");
}

void Form7::ShowOnConsole(const std::string& picture) {
  platform::Form* console = desktop().form("Form4");
  if (!console || !console->loaded()) return;
  auto* image = dynamic_cast<platform::Image*>(console->control("Image1"));
  if (!image) return;
  if (picture.empty())
    image->clearPicture();
  else
    image->loadPicture(picture);  // a file that is no picture leaves the console's picture
}

// --- navigation

// "<<上一步"
void Form7::Command10_Click() {
  ShowInstead(*this, "Form2");
}

// "返回主界面"
void Form7::Command11_Click() {
  ShowConsole(desktop());
  Unload();
}

// "下一步>>"
void Form7::Command13_Click() {
  ShowInstead(*this, "Form3");
}

void Form7::Timer1_Timer() {
  TitleAnimation(*this);
}

}  // namespace tallamo
