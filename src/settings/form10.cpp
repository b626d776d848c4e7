#include "settings/form10.h"

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
namespace twdp = common::twdp_ini;
namespace result = common::result_ini;

namespace {

constexpr const char* kChooseMusic = "请选择音乐";
constexpr const char* kSwatchTip = "双击此处更该颜色";
constexpr const char* kPictureTip = "双击此处更换图片";
// The design-mode link among the captions.
constexpr int kLinkCaption = 20;

// The page's grid (twips): two columns, each a caption and a field, and the rows of the four groups
// under their headings.
constexpr int kCaptionA = 240, kFieldA = 2220, kCaptionB = 6000, kFieldB = 7980;
constexpr int kCaptionWidth = 1950, kBoxWidth = 2880, kComboWidth = 1980, kRowHeight = 330;
constexpr int kHeadingTop[4] = {240, 1800, 3360, 6000};
constexpr int kRowTop[10] = {660, 1200, 2220, 2760, 3780, 4320, 4860, 5400, 6420, 6960};

std::string Custom(const char* key) {
  return std::string(kCustomPrefix) + key;
}

const char* SwitchText(const platform::CheckBox& box) {
  return box.Value() == 1 ? "1" : "0";
}

}  // namespace

Form10::Form10(platform::Desktop& desktop) : platform::Form(desktop, "Form10") {
  Text1.DblClick = [this] { Text1_DblClick(); };
  Text3.DblClick = [this] { Text3_DblClick(); };
  Text5.DblClick = [this] { Text5_DblClick(); };
  Text8.DblClick = [this] { Text8_DblClick(); };
  Text9.DblClick = [this] { Text9_DblClick(); };
  Command1.Click = [this] { Command1_Click(); };
  Command7.Click = [this] { Command7_Click(); };
  Command8.Click = [this] { Command8_Click(); };
  Command9.Click = [this] { Command9_Click(); };
  Command12.Click = [this] { Command12_Click(); };
  Label2.DblClick = [this] { Label2_DblClick(); };
  Label3.DblClick = [this] { Label3_DblClick(); };
  Label4.DblClick = [this] { Label4_DblClick(); };
  Label5.DblClick = [this] { Label5_DblClick(); };
  C1.Click = [this] { C1_Click(); };
  Cb1.Click = [this] { Cb1_Click(); };
  Cb2.Click = [this] { Cb2_Click(); };
  Cb3.Click = [this] { Cb3_Click(); };
  Cb4.Click = [this] { Cb4_Click(); };
  Ch1.Click = [this] { Ch1_Click(); };
  Ch2.Click = [this] { Ch2_Click(); };
  Check1.Click = [this] { Check1_Click(); };
  Check2.Click = [this] { Check2_Click(); };
  Check3.Click = [this] { Check3_Click(); };
  Check4.Click = [this] { Check4_Click(); };
  Command5.Click = [this] { Command5_Click(); };
  Command10.Click = [this] { Command10_Click(); };
  Label1.onClick([this](int index) { Label1_Click(index); });
  Command3.Click = [this] { Command3_Click(); };
  Command4.Click = [this] { Command4_Click(); };
  Command2.Click = [this] { Command2_Click(); };
  Timer1.Tick = [this] { Timer1_Timer(); };
}

void Form10::build() {
  settings::DesignStepPage(*this, Image1);

  // The captions: the four group headings across the page, the others beside their fields.
  const char* const captions[25] = {"颁奖仪式功能设置",
                                    "背景图片",
                                    "背景音乐",
                                    "观众提问（默认名称，可以自定义）环节功能设置",
                                    "环节名称",
                                    "背景图片",
                                    "嘉宾点评（默认名称，可以自定义）环节功能设置",
                                    "环节名称",
                                    "背景图片",
                                    "倒序计时限时",
                                    "倒序计时限时",
                                    "S",
                                    "S",
                                    "公布比赛结果功能设置",
                                    "公布得分时背景图片",
                                    "公布正方得分时音效",
                                    "背景音乐",
                                    "公布反方得分时音效",
                                    "背景颜色",
                                    "背景颜色",
                                    "字体及字体颜色设置",
                                    "公布获胜方时背景图片",
                                    "公布获胜方时音效",
                                    "背景颜色",
                                    "背景颜色"};
  for (auto& label : Label1) {
    label.setCaption(captions[label.Index()]);
    label.setBackStyle(0);
  }
  const int headings[4] = {3, 6, 13, 0};
  for (int group = 0; group < 4; ++group) {
    platform::Label& heading = Label1[headings[group]];
    heading.setFontName("宋体");
    heading.setFontSize(10.5);
    heading.setFontBold(true);
    heading.Move(kCaptionA, kHeadingTop[group], 11400, 300);
  }
  const auto caption = [this](int index, int left, int row, int width = kCaptionWidth) {
    Label1[index].Move(left, kRowTop[row] + 45, width, 255);
  };
  const auto button = [](platform::CommandButton& b, const char* text, int left, int top, int width) {
    b.setCaption(text);
    b.Move(left, top, width, kRowHeight);
  };
  // A picture box at the field's place, with its "移除" after it.
  const auto picture = [&](platform::TextBox& box, platform::CommandButton& remove, int left, int row) {
    box.setLocked(true);
    box.setToolTipText(kPictureTip);
    box.Move(left, kRowTop[row], kBoxWidth, kRowHeight);
    button(remove, "移除", left + kBoxWidth + 60, kRowTop[row], 720);
  };
  const auto swatch = [](platform::Label& label, int row) {
    label.setCaption("颜色预览");
    label.setAlignment(2);
    label.setToolTipText(kSwatchTip);
    label.Move(kFieldA, kRowTop[row] + 15, kBoxWidth, kRowHeight - 30);
  };
  const auto combo = [](platform::ComboBox& box, int left, int row) {
    box.setText(kChooseMusic);
    for (const char* choice : {kChoiceDefault, kChoiceNone, kChoiceUserDefined}) box.AddItem(choice);
    box.Move(left, kRowTop[row], kComboWidth, kRowHeight);
  };
  const auto check = [](platform::CheckBox& box, const char* text, int left, int row, int width) {
    box.setCaption(text);
    box.setValue(1);
    box.Move(left, kRowTop[row], width, kRowHeight);
  };
  // A music combo with its stop button and its looping switch after it.
  const auto music = [&](platform::ComboBox& box, platform::CommandButton& stop, platform::CheckBox& loop,
                         int left, int row) {
    combo(box, left, row);
    button(stop, "■", left + kComboWidth + 60, kRowTop[row], 420);
    check(loop, "循环播放", left + kComboWidth + 600, row, 1080);
  };

  // Audience questions, then guest comments: the same two rows each.
  struct ExtraStage {
    platform::TextBox& name;
    platform::CheckBox& clock;
    platform::CheckBox& countdown;
    platform::TextBox& limit;
    platform::Label& colour;
    platform::TextBox& picture;
    platform::CommandButton& remove;
    int nameCaption, limitCaption, unitCaption, colourCaption, pictureCaption, row;
  };
  for (const ExtraStage& s :
       {ExtraStage{Text2, Check1, Check3, Text6, Label2, Text3, Command7, 4, 9, 11, 18, 5, 0},
        ExtraStage{Text4, Check2, Check4, Text7, Label3, Text5, Command8, 7, 10, 12, 19, 8, 2}}) {
    caption(s.nameCaption, kCaptionA, s.row);
    s.name.Move(kFieldA, kRowTop[s.row], kBoxWidth, kRowHeight);
    check(s.clock, "显示计时", kCaptionB, s.row, 1080);
    check(s.countdown, "倒序计时", kFieldB, s.row, 1080);
    caption(s.limitCaption, 9300, s.row, 1140);
    s.limit.Move(10500, kRowTop[s.row], 780, kRowHeight);
    caption(s.unitCaption, 11340, s.row, 300);
    caption(s.colourCaption, kCaptionA, s.row + 1);
    swatch(s.colour, s.row + 1);
    caption(s.pictureCaption, kCaptionB, s.row + 1);
    picture(s.picture, s.remove, kFieldB, s.row + 1);
  }

  // The result announcement.
  caption(24, kCaptionA, 4);
  swatch(Label5, 4);
  caption(16, kCaptionB, 4);
  music(Cb1, Command10, Ch2, kFieldB, 4);
  caption(14, kCaptionA, 5);
  picture(Text8, Command9, kFieldA, 5);
  caption(kLinkCaption, kCaptionB, 5);
  Label1[kLinkCaption].setForeColor(platform::colour::Blue);
  Label1[kLinkCaption].setMouseIcon(desktop().programPath(builtin::kButtonPointer));
  caption(15, kCaptionA, 6);
  combo(Cb2, kFieldA, 6);
  caption(17, kCaptionB, 6);
  combo(Cb3, kFieldB, 6);
  caption(21, kCaptionA, 7);
  picture(Text9, Command12, kFieldA, 7);
  caption(22, kCaptionB, 7);
  combo(Cb4, kFieldB, 7);

  // The awards ceremony.
  caption(23, kCaptionA, 8);
  swatch(Label4, 8);
  caption(1, kCaptionB, 8);
  picture(Text1, Command1, kFieldB, 8);
  caption(2, kCaptionA, 9);
  music(C1, Command5, Ch1, kFieldA, 9);

  // The step's title and the four large buttons; this is the last step.
  settings::DesignStepTitle(Label6, "设置4-4：其它环节的设置");
  Label6.setFontName("宋体");
  settings::DesignStepButton(Command4, "<<上一步", settings::kBackLeft);
  // This step saves before it goes back to the console: its middle buttons stand the other way round.
  settings::DesignStepButton(Command3, "保存数据", settings::kConsoleLeft);
  settings::DesignStepButton(Command2, "返回主界面", settings::kSaveLeft);
  settings::DesignStepButton(Command6, "下一步>>", settings::kNextLeft);
  Command6.setEnabled(false);

  Timer1.setInterval(500);
}

std::string Form10::TwdpFile() const {
  return desktop().programPath(twdp::kFile);
}

std::string Form10::CiteFile() const {
  return desktop().programPath(cite_ini::kFile);
}

std::string Form10::ResultFile() const {
  return desktop().programPath(result::kFile);
}

// Each step stands alone: a value that does not convert leaves its control at its design, a missing
// one leaves a box or combo empty.
void Form10::Form_Load() {
  loading_ = true;
  setCaption(kProgramTitle);
  settings::LoadThemePicture(Image1);

  const auto colour = [](platform::Label& swatch, const std::string& text) {
    if (const auto value = StrictLong(text)) settings::ShowSwatchColour(swatch, *value);
  };
  // A box that the stored value changes runs its click handling: the value is stored back, and its
  // enabling rule applies.
  const auto tick = [](platform::CheckBox& box, const std::string& text) {
    if (const auto value = StrictLong(text)) box.setValue(*value);
  };
  // A music or sound combo shows the choice as stored; a custom choice without its file shows red.
  const auto choice = [](platform::ComboBox& combo, const std::string& file, const char* key) {
    combo.setText(ReadIni(file, kSection, key));
    if (combo.Text() == kChoiceUserDefined) MarkMissingFile(combo, ReadIni(file, kSection, Custom(key)));
  };
  const auto path = [](platform::TextBox& box, const std::string& text) {
    box.setText(text);
    MarkMissingFile(box, text);
  };

  // The awards ceremony.
  const std::string cite = CiteFile();
  colour(Label4, ReadIni(cite, kSection, cite_ini::kBackColour));
  path(Text1, ReadIni(cite, kSection, cite_ini::kPicture));
  choice(C1, cite, music_ini::kMusic);
  tick(Ch1, ReadIni(cite, kSection, music_ini::kLoop));

  // The extra stages.
  const std::string twdp = TwdpFile();
  const auto tw = [&](const char* key) { return ReadIni(twdp, twdp::kSectionTW, key); };
  const auto dp = [&](const char* key) { return ReadIni(twdp, twdp::kSectionDP, key); };
  tick(Check1, tw(twdp::kShowClock));
  tick(Check3, tw(twdp::kCountdown));
  tick(Check2, dp(twdp::kShowClock));
  tick(Check4, dp(twdp::kCountdown));
  Text2.setText(tw(twdp::kName));
  Text4.setText(dp(twdp::kName));
  Text3.setText(tw(twdp::kPicture));
  colour(Label2, tw(twdp::kBackColour));
  colour(Label3, dp(twdp::kBackColour));
  MarkMissingFile(Text3, Text3.Text());
  Text6.setText(tw(twdp::kLimit));
  path(Text5, dp(twdp::kPicture));
  Text7.setText(dp(twdp::kLimit));

  // The limit box serves exactly while its countdown is on; the countdown only while the clock is.
  if (Check1.Value() == 0) {
    Check3.setEnabled(false);
    Text6.setEnabled(false);
  }
  if (Check2.Value() == 0) {
    Check4.setEnabled(false);
    Text7.setEnabled(false);
  }
  Text6.setEnabled(Check3.Value() != 0);
  Text7.setEnabled(Check4.Value() != 0);

  // The result announcement. Its background colour is only stored, never shown: the swatch keeps its
  // design.
  const std::string results = ResultFile();
  path(Text8, ReadIni(results, kSection, result::kPicture));
  tick(Ch2, ReadIni(results, kSection, music_ini::kLoop));
  choice(Cb1, results, music_ini::kMusic);
  choice(Cb2, results, result::kAffirmativeSound);
  choice(Cb3, results, result::kNegativeSound);
  choice(Cb4, results, result::kWinnerSound);
  path(Text9, ReadIni(results, kSection, result::kWinnerPicture));
  loading_ = false;
}

void Form10::Report(bool stored) {
  if (!loading_) ReportWrite(desktop(), stored);
}

// --- pictures and colours: shown at once, stored by the save

void Form10::PickPicture(platform::TextBox& box, platform::CommonDialog& dialog) {
  const auto file = settings::PickFile(dialog, settings::kFilterPicture);
  if (!file) return;
  box.setText(*file);
  box.setForeColor(platform::colour::Black);
}

void Form10::Text3_DblClick() {
  PickPicture(Text3, Cg1);
}

void Form10::Text5_DblClick() {
  PickPicture(Text5, Cg2);
}

void Form10::Text8_DblClick() {
  PickPicture(Text8, Cg4);
}

void Form10::Text9_DblClick() {
  PickPicture(Text9, Cg7);
}

void Form10::Text1_DblClick() {
  PickPicture(Text1, Cg9);
}

// "移除" beside each picture box.
void Form10::Command7_Click() {
  Text3.setText("");
}

void Form10::Command8_Click() {
  Text5.setText("");
}

void Form10::Command9_Click() {
  Text8.setText("");
}

void Form10::Command12_Click() {
  Text9.setText("");
}

void Form10::Command1_Click() {
  Text1.setText("");
}

void Form10::PickColour(platform::Label& swatch, platform::CommonDialog& dialog) {
  if (dialog.ShowColor()) settings::ShowSwatchColour(swatch, dialog.Color);
}

void Form10::Label2_DblClick() {
  PickColour(Label2, Col1);
}

void Form10::Label3_DblClick() {
  PickColour(Label3, Col2);
}

void Form10::Label5_DblClick() {
  PickColour(Label5, Col3);
}

void Form10::Label4_DblClick() {
  PickColour(Label4, Col4);
}

// --- music and sounds: heard and stored at once

// A tune chosen: its own file is stored before the choice that names it, and the choice only when its
// file was. Cancel in the file dialog puts the combo back as it was and ends here, the preview going on.
void Form10::MusicChosen(platform::ComboBox& combo, platform::CommonDialog& dialog, const std::string& file,
                         const char* builtInFile) {
  const std::string chosen = combo.Text();
  std::string path;
  bool stored = true;
  if (chosen == kChoiceUserDefined) {
    const auto picked = settings::PickFile(dialog, std::string(kFilterMusic) + " ");
    if (!picked) {
      combo.setText(combo.TextBeforePick());
      return;
    }
    path = *picked;
    stored = WriteIniChecked(file, kSection, Custom(music_ini::kMusic), path);
  }
  settings::PreviewMusic(WP, chosen, path, builtInFile);
  if (stored) stored = WriteIniChecked(file, kSection, music_ini::kMusic, chosen);
  Report(stored);
  combo.setForeColor(platform::colour::Black);
}

void Form10::C1_Click() {
  MusicChosen(C1, Cg10, CiteFile(), builtin::kAwardsMusic);
}

void Form10::Cb1_Click() {
  MusicChosen(Cb1, Cg3, ResultFile(), builtin::kResultMusic);
}

// A sound chosen: heard at once; then the choice is stored, and with it the file last picked with this
// combo's dialog since the page opened ("" before any pick), whatever the choice. Cancel in the file
// dialog puts the combo back as it was and ends here.
void Form10::SoundChosen(platform::ComboBox& combo, platform::CommonDialog& dialog, const char* choiceKey,
                         const char* builtInFile) {
  const std::string chosen = combo.Text();
  if (chosen == kChoiceUserDefined) {
    const auto picked = settings::PickFile(dialog, settings::kFilterWave);
    if (!picked) {
      combo.setText(combo.TextBeforePick());
      return;
    }
    PreviewSoundPath = *picked;
  }
  settings::PreviewSound(desktop(), chosen, PreviewSoundPath, builtInFile);
  const std::string file = ResultFile();
  const bool choiceStored = WriteIniChecked(file, kSection, choiceKey, chosen);
  const bool fileStored = WriteIniChecked(file, kSection, Custom(choiceKey), dialog.FileName);
  Report(choiceStored && fileStored);
  combo.setForeColor(platform::colour::Black);
}

void Form10::Cb2_Click() {
  SoundChosen(Cb2, Cg5, result::kAffirmativeSound, builtin::kAffirmativeScoreSound);
}

void Form10::Cb3_Click() {
  SoundChosen(Cb3, Cg6, result::kNegativeSound, builtin::kNegativeScoreSound);
}

void Form10::Cb4_Click() {
  SoundChosen(Cb4, Cg8, result::kWinnerSound, builtin::kWinnerSound);
}

// "■"
void Form10::Command5_Click() {
  WP.close();
}

void Form10::Command10_Click() {
  WP.close();
}

// --- switches, stored at once

void Form10::Ch1_Click() {
  Report(WriteIniChecked(CiteFile(), kSection, music_ini::kLoop, SwitchText(Ch1)));
}

void Form10::Ch2_Click() {
  Report(WriteIniChecked(ResultFile(), kSection, music_ini::kLoop, SwitchText(Ch2)));
}

// An extra stage's clock shown or hidden: its countdown switch and limit serve only while it is shown.
void Form10::ClockSwitched(const platform::CheckBox& clock, platform::CheckBox& countdown,
                           platform::TextBox& limit, const char* section) {
  countdown.setEnabled(clock.Value() != 0);
  limit.setEnabled(clock.Value() != 0);
  Report(WriteIniChecked(TwdpFile(), section, twdp::kShowClock, SwitchText(clock)));
}

void Form10::CountdownSwitched(const platform::CheckBox& countdown, platform::TextBox& limit,
                               const char* section) {
  Report(WriteIniChecked(TwdpFile(), section, twdp::kCountdown, SwitchText(countdown)));
  limit.setEnabled(countdown.Value() != 0);
}

void Form10::Check1_Click() {
  ClockSwitched(Check1, Check3, Text6, twdp::kSectionTW);
}

void Form10::Check2_Click() {
  ClockSwitched(Check2, Check4, Text7, twdp::kSectionDP);
}

void Form10::Check3_Click() {
  CountdownSwitched(Check3, Text6, twdp::kSectionTW);
}

void Form10::Check4_Click() {
  CountdownSwitched(Check4, Text7, twdp::kSectionDP);
}

// --- leaving

// Any caption: the announcement in its design mode, in place of this page; unsaved edits are lost.
// When the switch cannot be stored the announcement would open before the audience in its normal
// mode: the user is told instead, and the page stays.
void Form10::Label1_Click(int Index) {
  (void)Index;
  const bool stored = WriteIniChecked(ResultFile(), kSection, result::kDesignMode, result::kDesignOn);
  ReportWrite(desktop(), stored);
  if (stored) ShowInstead(*this, "Form11");
}

// "保存数据": the thirteen values in their order, every one of them each time, as the page shows them.
// A value that cannot be stored does not keep the others from being stored; the user is told once.
void Form10::Command3_Click() {
  const std::string cite = CiteFile(), twdpFile = TwdpFile(), results = ResultFile();
  const auto colour = [](const platform::Label& swatch) { return std::to_string(swatch.BackColor()); };
  struct Value {
    const std::string& file;
    const char* section;
    const char* key;
    std::string value;
  };
  const Value values[13] = {
      {cite, kSection, cite_ini::kBackColour, colour(Label4)},
      {cite, kSection, cite_ini::kPicture, Text1.Text()},
      {twdpFile, twdp::kSectionTW, twdp::kName, Text2.Text()},
      {twdpFile, twdp::kSectionTW, twdp::kBackColour, colour(Label2)},
      {twdpFile, twdp::kSectionDP, twdp::kBackColour, colour(Label3)},
      {twdpFile, twdp::kSectionDP, twdp::kName, Text4.Text()},
      {twdpFile, twdp::kSectionTW, twdp::kLimit, Text6.Text()},
      {twdpFile, twdp::kSectionDP, twdp::kLimit, Text7.Text()},
      {twdpFile, twdp::kSectionTW, twdp::kPicture, Text3.Text()},
      {twdpFile, twdp::kSectionDP, twdp::kPicture, Text5.Text()},
      {results, kSection, result::kBackColour, colour(Label5)},
      {results, kSection, result::kPicture, Text8.Text()},
      {results, kSection, result::kWinnerPicture, Text9.Text()},
  };
  bool stored = true;
  for (const Value& v : values) stored = WriteIniChecked(v.file, v.section, v.key, v.value) && stored;
  ConfirmSave(desktop(), stored);
}

// "<<上一步"
void Form10::Command4_Click() {
  ShowInstead(*this, "Form3");
}

// "返回主界面"
void Form10::Command2_Click() {
  ShowConsole(desktop());
  Unload();
}

void Form10::Timer1_Timer() {
  TitleAnimation(*this);
}

}  // namespace tallamo
