#include "settings/form3.h"

#include "common/config_names.h"
#include "common/convert.h"
#include "common/ini.h"
#include "common/marking.h"
#include "common/navigation.h"
#include "common/program.h"
#include "common/saving.h"
#include "common/sound.h"
#include "common/title_animation.h"
#include "settings/settings_page.h"
#include "settings/sound_preview.h"

namespace tallamo {

using namespace common;
namespace key = common::stage_ini;

namespace {

// The stage list: entry N - 1 names stage N.
constexpr const char* kStages[8] = {"环节一", "环节二", "环节三", "环节四",
                                    "环节五", "环节六", "环节七", "环节八"};
constexpr const char* kChooseStage = "请选择环节";
constexpr const char* kChooseMode = "请选择样式";
constexpr const char* kFormatMinutes = "*分*秒";
constexpr const char* kFormatSeconds = "*S";
constexpr const char* kBold = "加粗";
constexpr const char* kItalic = "倾斜";

// The help text of each timing mode, beside its picture.
constexpr const char* kModes[3] = {key::kMode1, key::kMode2, key::kMode3};
constexpr const char* kModeHelp[3] = {
    "该样式适用于“陈词”、“攻辩小结”等只为一方计时的环节",
    "该样式适用于“自由辩论”等双方需同时计时的环节",
    "该样式适用于对提问方和回答方一次提问或回答有限时的环节",
};

constexpr const char* kSwatchTip = "双击此处更该颜色";
constexpr const char* kPictureTip = "双击此处更换图片";

// The page's grid (twips): a caption and its field in each of three columns, and the rows.
constexpr int kCaptionLeft[3] = {240, 4320, 8100};
constexpr int kCaptionWidth[3] = {1380, 1680, 1680};
constexpr int kFieldLeft[3] = {1680, 6060, 9840};
constexpr int kFieldWidth[3] = {2400, 1800, 1800};
constexpr int kRowTop[8] = {300, 780, 1260, 1710, 2160, 2760, 3360, 3810};
constexpr int kRowHeight = 330;

}  // namespace

Form3::Form3(platform::Desktop& desktop) : platform::Form(desktop, "Form3") {
  C1.Click = [this] { C1_Click(); };
  C2.Click = [this] { C2_Click(); };
  C3.Click = [this] { C3_Click(); };
  C4.Click = [this] { C4_Click(); };
  C5.Click = [this] { C5_Click(); };
  C6.Click = [this] { C6_Click(); };
  Ch1.Click = [this] { Ch1_Click(); };
  Text5.DblClick = [this] { Text5_DblClick(); };
  Command4.Click = [this] { Command4_Click(); };
  Text6.DblClick = [this] { Text6_DblClick(); };
  Command7.Click = [this] { Command7_Click(); };
  Label1.DblClick = [this] { Label1_DblClick(); };
  Label3.DblClick = [this] { Label3_DblClick(); };
  Label8.DblClick = [this] { Label8_DblClick(); };
  for (auto& box : Text7) box.DblClick = [this, i = box.Index()] { Text7_DblClick(i); };
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
  Command3.Click = [this] { Command3_Click(); };
  Command5.Click = [this] { Command5_Click(); };
  Timer1.Tick = [this] { Timer1_Timer(); };
}

void Form3::build() {
  settings::DesignStepPage(*this, Image1);

  // The captions, each beside its field, in three columns (0 left, 1 middle, 2 right) and eight rows.
  // Fields given here take the column's place and width; the others are placed below.
  struct Captioned {
    const char* caption;
    platform::Control* field;
    int column, row;
  };
  const Captioned captioned[18] = {
      {"环节", &C1, 0, 0},
      {"计时样式", &C2, 1, 0},
      {"过场图片", nullptr, 0, 1},
      {"该环节名称", &Text1, 0, 2},
      {"环节限时", &Text2, 0, 3},
      {"时间不足警告点", &Text3, 0, 4},
      {"时间不足提示音", &C3, 1, 2},
      {"时间到提示音", &C4, 1, 3},
      {"倒计时字体颜色", nullptr, 2, 2},
      {"时间不足时字体颜色", nullptr, 2, 3},
      {"倒计时背景颜色", nullptr, 2, 4},
      {"倒计时字体", nullptr, 0, 5},
      {"倒计时背景图片", nullptr, 1, 5},
      {"计时格式", &C6, 0, 6},
      {"提问方一次提问限时", &Text9, 1, 6},
      {"回答方一次回答限时", &Text10, 1, 7},
      {"攻辩每次发言限时", &Text11, 2, 6},
      {"超过限时时提示音", &C5, 2, 7},
  };
  for (int i = 0; i < 18; ++i) {
    const Captioned& c = captioned[i];
    Label2[i].setCaption(c.caption);
    Label2[i].setBackStyle(0);
    Label2[i].Move(kCaptionLeft[c.column], kRowTop[c.row] + 45, kCaptionWidth[c.column], 255);
    if (c.field) c.field->Move(kFieldLeft[c.column], kRowTop[c.row], kFieldWidth[c.column], kRowHeight);
  }
  Label2[12].Move(5400, kRowTop[5] + 45, 1320, 255);  // beside the font boxes

  const auto list = [](platform::ComboBox& combo, std::initializer_list<const char*> items) {
    for (const char* item : items) combo.AddItem(item);
  };
  const auto button = [](platform::CommandButton& b, const char* caption, int left, int top, int width,
                         int height) {
    b.setCaption(caption);
    b.Move(left, top, width, height);
  };

  C1.setText(kChooseStage);
  for (const char* stage : kStages) C1.AddItem(stage);
  list(C2, {key::kMode1, key::kMode2, key::kMode3});
  for (platform::ComboBox* sound : {&C3, &C4, &C5})
    list(*sound, {kChoiceDefault, kChoiceNone, kChoiceUserDefined});
  list(C6, {kFormatMinutes, kFormatSeconds});
  Text11.setEnabled(false);
  Label4.setCaption("时间单位均以秒(S)计");
  Label4.setBackStyle(0);
  Label4.setForeColor(platform::colour::Red);
  Label4.setFontName("宋体");
  Label4.setFontSize(10.5);
  Label4.setAlignment(1);
  Label4.Move(8760, kRowTop[0] + 30, 2880, 300);

  // The transition picture and its switch.
  Text5.Move(kFieldLeft[0], kRowTop[1], 3540, kRowHeight);
  Text5.setToolTipText(kPictureTip);
  button(Command4, "移除", 5280, kRowTop[1], 720, kRowHeight);
  Ch1.setCaption("使用过场图片");
  Ch1.Move(kFieldLeft[1], kRowTop[1], 1500, kRowHeight);

  // The three colours.
  for (platform::Label* swatch : {&Label1, &Label3, &Label8}) {
    swatch->setCaption("颜色预览");
    swatch->setAlignment(2);
    swatch->setToolTipText(kSwatchTip);
  }
  Label1.Move(kFieldLeft[2], kRowTop[2] + 15, kFieldWidth[2], kRowHeight - 30);
  Label3.Move(kFieldLeft[2], kRowTop[3] + 15, kFieldWidth[2], kRowHeight - 30);
  Label8.Move(kFieldLeft[2], kRowTop[4] + 15, kFieldWidth[2], kRowHeight - 30);

  // The clock's font; the timer screen's background picture.
  const int fontLeft[4] = {1680, 3180, 3840, 4500}, fontWidth[4] = {1440, 600, 600, 600};
  for (auto& box : Text7) {
    box.setLocked(true);
    box.Move(fontLeft[box.Index()], kRowTop[5], fontWidth[box.Index()], kRowHeight);
  }
  Text7[2].setToolTipText("双击此处更改字体");
  Text6.setLocked(true);
  Text6.setToolTipText(kPictureTip);
  Text6.Move(6780, kRowTop[5], 4080, kRowHeight);
  button(Command7, "移除", 10920, kRowTop[5], 720, kRowHeight);

  // The help of the timing mode: its picture, framed, and its text.
  Image2.setStretch(true);
  Image2.Move(240, 4440, 4800, 3000);
  Line1[0].setPoints(240, 4440, 5040, 4440);
  Line1[1].setPoints(5040, 4440, 5040, 7440);
  Line1[2].setPoints(5040, 7440, 240, 7440);
  Line1[3].setPoints(240, 7440, 240, 4440);
  Text4.setMultiLine(true);
  Text4.setScrollBars(2);
  Text4.setFontSize(10.5);
  Text4.Move(5280, 4440, 6360, 3000);
  Text4.setText(std::string("   请选择某一环节后再进行相关设置,每一环节设置后请单击") + "\"保存设置\"" +
                "后再进行下一环节的设置\r\n");

  // Separators between the bands.
  const std::int32_t lineColour = platform::colour::rgb(150, 170, 200);
  platform::Line* const separators[4] = {&Line2, &Line3, &Line4, &Line5};
  const int separatorTop[4] = {1170, 2610, 4260, 7680};
  for (int i = 0; i < 4; ++i) {
    separators[i]->setPoints(240, separatorTop[i], 11640, separatorTop[i]);
    separators[i]->setBorderColor(lineColour);
  }

  // The step's title, larger than the other steps', and the four large buttons.
  settings::DesignStepTitle(Label5, "设置3-4：计时环节设置");
  Label5.setFontName("宋体");
  Label5.setFontSize(10.5);
  Label5.Move(120, 8160, 5400, 300);
  settings::DesignStepButton(Command2, "<<上一步", settings::kBackLeft);
  settings::DesignStepButton(Command5, "返回主界面", settings::kConsoleLeft);
  settings::DesignStepButton(Command1, "保存设置", settings::kSaveLeft);
  settings::DesignStepButton(Command3, "下一步>>", settings::kNextLeft);

  Timer1.setInterval(500);
}

void Form3::Form_Load() {
  settings::LoadThemePicture(Image1);
  setCaption(kProgramTitle);
  Image1.loadPicture(desktop().programPath(builtin::kStageEditorPicture));

  // The display format as stored; nothing is chosen or written here.
  const std::string format = ReadIni(desktop().programPath(key::kFormatFile), kSection, key::kDisplayFormat);
  if (const auto code = StrictNumber(format))
    C6.setText(*code == 1 ? kFormatMinutes : *code == 2 ? kFormatSeconds : "");
  else
    C6.setText(kFormatSeconds);
}

int Form3::Stage() const {
  for (int n = 1; n <= 8; ++n)
    if (C1.Text() == kStages[n - 1]) return n;
  return 0;
}

std::string Form3::StageFile() const {
  const int stage = Stage();
  return stage ? desktop().programPath(key::StageFile(stage)) : "";
}

bool Form3::WriteStageValue(const char* name, const std::string& value) {
  const std::string file = StageFile();
  return file.empty() || WriteIniChecked(file, kSection, name, value);
}

// A stage picked: every field that the stage file holds shows its value. A colour or the switch that
// is stored as no number keeps what the page showed.
void Form3::C1_Click() {
  const std::string file = StageFile();
  const auto read = [&](const char* name) { return file.empty() ? "" : ReadIni(file, kSection, name); };

  for (platform::TextBox* box : {&Text5, &Text6}) box->setForeColor(platform::colour::Black);
  for (platform::ComboBox* combo : {&C3, &C4, &C5}) combo->setForeColor(platform::colour::Black);

  C2.setText(read(key::kMode));
  C3.setText(read(key::kWarningSound));
  C4.setText(read(key::kTimeUpSound));
  C5.setText(read(key::kOvertimeSound));

  if (const auto use = StrictLong(read(key::kUseTransition))) Ch1.setValue(*use);
  EnableTransitionPicture();

  Text1.setText(read(key::kName));
  Text2.setText(read(key::kLimit));
  Text3.setText(read(key::kWarningPoint));

  const std::pair<platform::ComboBox*, const char*> sounds[3] = {
      {&C3, key::kCustomWarningSound}, {&C4, key::kCustomTimeUpSound}, {&C5, key::kCustomOvertimeSound}};
  for (const auto& [combo, custom] : sounds)
    if (combo->Text() == kChoiceUserDefined) MarkMissingFile(*combo, read(custom));

  const std::pair<platform::Label*, const char*> swatches[3] = {
      {&Label1, key::kNormalColour}, {&Label3, key::kWarningColour}, {&Label8, key::kBackColour}};
  for (const auto& [swatch, name] : swatches)
    if (const auto colour = StrictLong(read(name))) settings::ShowSwatchColour(*swatch, *colour);

  Text9.setText(read(key::kQuestionLimit));
  Text10.setText(read(key::kAnswerLimit));
  Text11.setText(read(key::kSpeechLimit));

  Text7[0].setText(read(key::kFontName));
  Text7[1].setText(read(key::kFontSize));
  Text7[2].setText(read(key::kBold) == "Y" ? kBold : "");
  Text7[3].setText(read(key::kItalic) == "Y" ? kItalic : "");

  Text5.setText(read(key::kTransitionPicture));
  MarkIfMissing(Text5, Text5.Text());
  Text6.setText(read(key::kPicture));
  MarkIfMissing(Text6, Text6.Text());

  ShowModeHelp();
}

void Form3::C2_Click() {
  ReportWrite(desktop(), WriteStageValue(key::kMode, C2.Text()));
  if (C1.Text() == kChooseStage) AskForStage();
  ShowModeHelp();
}

void Form3::AskForStage() {
  C2.setText(kChooseMode);
  desktop().messageBox("您还未选择环节！", platform::mb::OKOnly);
}

void Form3::ShowModeHelp() {
  for (int mode = 0; mode < 3; ++mode) {
    if (C2.Text() != kModes[mode]) continue;
    Image2.loadPicture(desktop().programPath(builtin::kModeHelpPicture[mode]));
    Text4.setText(kModeHelp[mode]);
  }
}

void Form3::C3_Click() {
  SoundChosen({C3, Cg1, key::kWarningSound, key::kCustomWarningSound, builtin::kWarningSound});
}

void Form3::C4_Click() {
  SoundChosen({C4, Cg3, key::kTimeUpSound, key::kCustomTimeUpSound, builtin::kTimeUpSound});
}

void Form3::C5_Click() {
  SoundChosen({C5, Cg7, key::kOvertimeSound, key::kCustomOvertimeSound, builtin::kOvertimeSound});
}

// A sound chosen: heard at once, and stored at once for the chosen stage, a custom file before the
// choice that names it. Cancel in the file dialog puts the box back as it was and ends here.
void Form3::SoundChosen(const SoundRow& row) {
  const std::string choice = row.combo.Text();
  std::string path;
  bool stored = true;
  if (choice == kChoiceUserDefined) {
    const auto file = settings::PickFile(row.dialog, settings::kFilterWave);
    if (!file) {
      row.combo.setText(row.combo.TextBeforePick());
      return;
    }
    path = *file;
    stored = WriteStageValue(row.customKey, path);
  }
  settings::PreviewSound(desktop(), choice, path, row.builtInFile);
  if (stored) stored = WriteStageValue(row.choiceKey, choice);
  ReportWrite(desktop(), stored);
  if (C1.Text() == kChooseStage) AskForStage();
  row.combo.setForeColor(platform::colour::Black);
}

// The display format of every stage, stored at once even when it is the one stored.
void Form3::C6_Click() {
  if (C6.Text() == kFormatMinutes) TimeFormatCode = "1";
  if (C6.Text() == kFormatSeconds) TimeFormatCode = "2";
  WriteIniAtOnce(desktop(), desktop().programPath(key::kFormatFile), kSection, key::kDisplayFormat,
                 TimeFormatCode);
}

void Form3::Ch1_Click() {
  ReportWrite(desktop(), WriteStageValue(key::kUseTransition, Ch1.Value() == 1 ? "1" : "0"));
  EnableTransitionPicture();
}

void Form3::EnableTransitionPicture() {
  Text5.setEnabled(Ch1.Value() != 0);
  Command4.setEnabled(Ch1.Value() != 0);
}

void Form3::Text5_DblClick() {
  const auto file = settings::PickFile(Cg8, settings::kFilterPicture);
  if (!file) return;
  Text5.setText(*file);
  Text5.setForeColor(platform::colour::Black);
  ReportWrite(desktop(), WriteStageValue(key::kTransitionPicture, Text5.Text()));
}

// "移除" beside the transition picture: stored at once, as a picked picture is.
void Form3::Command4_Click() {
  Text5.setText("");
  ReportWrite(desktop(), WriteStageValue(key::kTransitionPicture, ""));
}

// The timer screen's background picture waits for the save.
void Form3::Text6_DblClick() {
  const auto file = settings::PickFile(Cg3, settings::kFilterPicture);
  if (!file) return;
  Text6.setText(*file);
  Text6.setForeColor(platform::colour::Black);
}

void Form3::Command7_Click() {
  Text6.setText("");
}

void Form3::PickColour(platform::Label& swatch, platform::CommonDialog& dialog) {
  if (dialog.ShowColor()) settings::ShowSwatchColour(swatch, dialog.Color);
}

void Form3::Label1_DblClick() {
  PickColour(Label1, Cg2);
}

void Form3::Label3_DblClick() {
  PickColour(Label3, Cg5);
}

void Form3::Label8_DblClick() {
  PickColour(Label8, Cg6);
}

// The clock's font, from a dialog that starts from its own last font, not from the boxes.
void Form3::Text7_DblClick(int Index) {
  (void)Index;
  Cg4.Flags = 3;
  if (!Cg4.ShowFont()) return;
  Text7[0].setText(Cg4.FontName);
  Text7[1].setText(SingleText(Cg4.FontSize));
  Text7[2].setText(Cg4.FontBold ? kBold : "");
  Text7[3].setText(Cg4.FontItalic ? kItalic : "");
}

// "保存设置": after the user agrees, the sixteen saved values of the stage in their order, as the page
// shows them. The first value that cannot be stored ends the save, and the user is told.
void Form3::Command1_Click() {
  if (C1.Text() == kChooseStage || C2.Text() == kChooseMode || Stage() == 0) {
    desktop().messageBox("还未选择“环节”或“计时样式”！", platform::mb::OKOnly | platform::mb::Exclamation);
    return;
  }
  const std::string question = "是否保存" + C1.Text() + "（" + C2.Text() + "）的设置？";
  if (desktop().messageBox(question, platform::mb::OKCancel | platform::mb::Question, "提示") !=
      platform::mb::OK)
    return;

  const std::pair<const char*, std::string> values[16] = {
      {key::kDisplayFormat, TimeFormatCode},
      {key::kName, Text1.Text()},
      {key::kLimit, Text2.Text()},
      {key::kWarningPoint, Text3.Text()},
      {key::kFontName, Text7[0].Text()},
      {key::kFontSize, Text7[1].Text()},
      {key::kBold, Text7[2].Text() == kBold ? "Y" : "N"},
      {key::kItalic, Text7[3].Text() == kItalic ? "Y" : "N"},
      {key::kNormalColour, std::to_string(Label1.BackColor())},
      {key::kWarningColour, std::to_string(Label3.BackColor())},
      {key::kBackColour, std::to_string(Label8.BackColor())},
      {key::kPicture, Text6.Text()},
      {key::kQuestionLimit, Text9.Text()},
      {key::kAnswerLimit, Text10.Text()},
      {key::kSpeechLimit, Text11.Text()},
      {key::kMode, C2.Text()},
  };
  const std::string file = StageFile();
  bool stored = true;
  for (const auto& [name, value] : values)
    if (!(stored = WriteIniChecked(file, kSection, name, value))) break;
  ConfirmSave(desktop(), stored);
}

// "<<上一步"
void Form3::Command2_Click() {
  ShowInstead(*this, "Form7");
}

// "下一步>>"
void Form3::Command3_Click() {
  ShowInstead(*this, "Form10");
}

// "返回主界面"
void Form3::Command5_Click() {
  ShowConsole(desktop());
  Unload();
}

void Form3::Timer1_Timer() {
  TitleAnimation(*this);
}

}  // namespace tallamo
