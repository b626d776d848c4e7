#include "results/form11.h"

#include <initializer_list>
#include <utility>

#include "common/config_names.h"
#include "common/convert.h"
#include "common/ini.h"
#include "common/layout.h"
#include "common/music.h"
#include "common/navigation.h"
#include "common/program.h"
#include "common/saving.h"
#include "common/sensing.h"
#include "common/sound.h"
#include "platform/files.h"
#include "results/result_file.h"

namespace tallamo {

using namespace common;
namespace key = common::result_ini;

namespace {

constexpr std::int32_t kGold = platform::colour::rgb(255, 216, 102);
constexpr std::int32_t kWhite = platform::colour::rgb(255, 255, 255);

const char* TruthText(bool value) {
  return value ? "True" : "False";
}

}  // namespace

Form11::Form11(platform::Desktop& desktop) : platform::Form(desktop, "Form11") {
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
  Command3.Click = [this] { Command3_Click(); };
  Command4.Click = [this] { Command4_Click(); };
  Command5.Click = [this] { Command5_Click(); };
  Command6.Click = [this] { Command6_Click(); };
  Command7.Click = [this] { Command7_Click(); };
  C1.Click = [this] { C1_Click(); };
  C2.Click = [this] { C2_Click(); };
  HS1.Change = [this] { HS1_Change(); };
  WP.PlayStateChange = [this](int state) { WP_PlayStateChange(state); };
  Image1.MouseMove = [this](int b, int s, double x, double y) { Image1_MouseMove(b, s, x, y); };
}

std::string Form11::File() const {
  return results::ResultFile(desktop());
}

platform::Label& Form11::ElementLabel(int element) {
  platform::Label* labels[4] = {&L1, &L2, &L3, &L4};
  return *labels[element];
}

// The console's size. The four labels stand one under the other, so that all of them can be seen at
// once in design mode; the buttons and the volume bar form one row along the bottom edge.
void Form11::build() {
  setCaption(kProgramTitle);
  setBorderStyle(0);
  setWindowState(2);
  setDesignSize(11880, 8490);
  setBackColor(platform::colour::rgb(7, 6, 28));

  Image1.Move(0, 0, 11880, 8490);
  Image1.setStretch(true);

  struct Caption {
    platform::Label& label;
    const char* text;
    int top, height;
    const char* font;
    double size;
    std::int32_t colour;
  };
  for (const Caption& c : {Caption{L1, "正反方（获胜方）", 1200, 1150, "华文行楷", 48, kGold},
                           Caption{L2, "双方代表对名称（成绩公布）", 2450, 1050, "宋体", 42, kWhite},
                           Caption{L3, "999.999", 3600, 1500, "宋体", 72, kWhite},
                           Caption{L4, "公布获胜方时字体设置", 5250, 1500, "宋体", 36, kGold}}) {
    c.label.setCaption(c.text);
    c.label.Move(0, c.top, 11880, c.height);
    c.label.setAlignment(2);
    c.label.setBackStyle(0);
    c.label.setFontName(c.font);
    c.label.setFontSize(c.size);
    c.label.setForeColor(c.colour);
  }
  L3.setFontBold(true);

  const std::string pointer = desktop().programPath(builtin::kButtonPointer);
  struct Button {
    platform::CommandButton& button;
    const char* caption;
    int left, width;
  };
  for (const Button& b : {Button{Command2, "正方得分", 1995, 1095}, Button{Command3, "反方得分", 3210, 1095},
                          Button{Command4, "获胜方", 4425, 1095}, Button{Command5, "▲", 5640, 495},
                          Button{Command6, "■", 6255, 495}, Button{Command1, "返回主界面", 8790, 1095}}) {
    b.button.setCaption(b.caption);
    b.button.Move(b.left, 8040, b.width, 375);
    b.button.setMouseIcon(pointer);
  }
  HS1.Move(6870, 8100, 1800, 255);
  HS1.setRange(0, 100);
  HS1.setSmallChange(2);
  HS1.setLargeChange(5);

  struct Panel {
    platform::Frame& frame;
    const char* caption;
    platform::ComboBox& combo;
    int left;
  };
  for (const Panel& p : {Panel{Frame1, "字体设置", C1, 240}, Panel{Frame2, "字体颜色设置", C2, 3000}}) {
    p.frame.setCaption(p.caption);
    p.frame.Move(p.left, 240, 2640, 735);
    p.combo.setContainer(p.frame);
    p.combo.Move(120, 300, 2400, 315);
    p.combo.setText("请选择设置对象");
    for (const char* element : key::kElements) p.combo.AddItem(element);
  }
  Command7.setCaption("返回设置界面");
  Command7.Move(5760, 420, 1455, 375);
  Command7.setMouseIcon(pointer);
}

// Each step stands alone: a value that does not fit skips only its own step.
void Form11::Form_Load() {
  for (platform::Label* label : {&L1, &L2, &L3, &L4}) label->setVisible(false);
  RecordLayout(*this);
  HideButtons();

  const std::string file = File();
  const std::string basic = desktop().programPath(basic_ini::kFile);
  AffirmativeTeam = ReadIni(basic, basic_ini::kSection, basic_ini::kAffirmativeTeam);
  NegativeTeam = ReadIni(basic, basic_ini::kSection, basic_ini::kNegativeTeam);

  // No existence test: an empty path shows no picture, one that cannot be loaded changes nothing.
  const std::string picture = ReadIni(file, kSection, key::kPicture);
  if (picture.empty())
    Image1.clearPicture();
  else
    Image1.loadPicture(picture);

  AffirmativeScore = ReadIni(file, key::kScoreSection, key::kAffirmativeScore);
  NegativeScore = ReadIni(file, key::kScoreSection, key::kNegativeScore);

  // A stored volume other than 0 is a change of the bar, which sets the player and stores it back;
  // then the player takes the bar's value. No music plays yet.
  RestoreVolume(HS1, WP, file);

  DesignMode = ReadIni(file, kSection, key::kDesignMode);

  for (int element = 0; element < 4; ++element) ApplyStoredFont(element);

  // Any other switch, also "on", applies neither: labels hidden, buttons usable, panels shown.
  if (DesignMode == key::kDesignOn) {
    for (platform::Label* label : {&L1, &L2, &L3, &L4}) label->setVisible(true);
    for (platform::Control* c : std::initializer_list<platform::Control*>{
             &Command1, &Command2, &Command3, &Command4, &Command5, &Command6, &HS1})
      c->setEnabled(false);
  }
  if (DesignMode == key::kDesignOff)
    for (platform::Control* c :
         std::initializer_list<platform::Control*>{&C1, &C2, &Frame1, &Frame2, &Command7})
      c->setVisible(false);
}

void Form11::ApplyStoredFont(int element) {
  const std::string file = File();
  const auto read = [&](const char* property) {
    return ReadIni(file, key::kFontSection, key::FontKey(element, property));
  };
  platform::Label& label = ElementLabel(element);
  label.setFontName(read(key::kFontName));
  if (const auto size = StrictSingle(read(key::kFontSize))) label.setFontSize(*size);
  if (const auto bold = TruthValue(read(key::kFontBold))) label.setFontBold(*bold);
  if (const auto italic = TruthValue(read(key::kFontItalic))) label.setFontItalic(*italic);
  if (const auto colour = StrictLong(read(key::kFontColour))) label.setForeColor(*colour);
}

void Form11::Form_Resize() {
  RescaleLayout(*this);
  Image1.Move(0, 0, ScaleWidth(), ScaleHeight());
}

// --- sensing area

void Form11::Image1_MouseMove(int Button, int Shift, double X, double Y) {
  (void)Button, (void)Shift, (void)X;
  if (InBottomStrip(*this, Command1, Y))
    ShowButtons();
  else
    HideButtons();
}

void Form11::ShowButtons() {
  SetButtonsVisible(true);
}

void Form11::HideButtons() {
  SetButtonsVisible(false);
}

// The design panels are not the sensing area's: they keep their state.
void Form11::SetButtonsVisible(bool visible) {
  for (platform::Control* c : std::initializer_list<platform::Control*>{
           &Command1, &Command2, &Command3, &Command4, &Command5, &Command6, &HS1})
    c->setVisible(visible);
}

// --- announcing

void Form11::AnnounceScore(const char* sideWord, const std::string& team, const std::string& score,
                           const char* soundKey, const char* builtInSound) {
  const std::string file = File();
  const std::string picture = ReadIni(file, kSection, key::kPicture);
  if (picture.empty())
    Image1.clearPicture();
  else
    Image1.loadPicture(picture);
  L1.setVisible(true);
  L2.setVisible(true);
  L3.setVisible(true);
  L4.setVisible(false);
  L1.setCaption(sideWord);
  L2.setCaption(team);
  L3.setCaption(score + "分");
  PlaySoundChoice(desktop(), file, kSection, soundKey, builtInSound, OtherChoice::NoCall);
}

// "正方得分"
void Form11::Command2_Click() {
  AnnounceScore("正方", AffirmativeTeam, AffirmativeScore, key::kAffirmativeSound,
                builtin::kAffirmativeScoreSound);
}

// "反方得分"
void Form11::Command3_Click() {
  AnnounceScore("反方", NegativeTeam, NegativeScore, key::kNegativeSound, builtin::kNegativeScoreSound);
}

// "获胜方": worked out from the scores read at load and stored at every press. Its picture is used
// only when there is one; otherwise the picture shown stays.
void Form11::Command4_Click() {
  const std::string file = File();
  Winner = results::DecideWinner(AffirmativeScore, NegativeScore, AffirmativeTeam, NegativeTeam);
  WriteIni(file, kSection, key::kWinner, Winner);
  const std::string picture = ReadIni(file, kSection, key::kWinnerPicture);
  if (!picture.empty() && platform::fileExists(picture)) Image1.loadPicture(picture);
  L4.setCaption(Winner);
  L1.setCaption("获胜方");
  L2.setVisible(false);
  L3.setVisible(false);
  L1.setVisible(true);
  L4.setVisible(true);
  PlaySoundChoice(desktop(), file, kSection, key::kWinnerSound, builtin::kWinnerSound, OtherChoice::NoCall);
}

// --- music

// "▲": the choice stored at this moment.
void Form11::Command5_Click() {
  PlayBackgroundMusic(WP, File(), builtin::kResultMusic);
}

// "■"
void Form11::Command6_Click() {
  WP.close();
}

void Form11::HS1_Change() {
  StoreVolume(HS1, WP, File());
}

void Form11::WP_PlayStateChange(int NewState) {
  LoopBackgroundMusic(WP, File(), NewState);
}

// --- leaving

// "返回主界面"
void Form11::Command1_Click() {
  ShowConsole(desktop());
  Unload();
}

// "返回设置界面": design mode ends and the settings' last step comes back; where it is not there, the
// console does. A switch left at "On" would open the next announcement in front of the audience in
// design mode: when "Off" cannot be stored, the user is told and the window stays.
void Form11::Command7_Click() {
  if (!WriteIniAtOnce(desktop(), File(), kSection, key::kDesignMode, key::kDesignOff)) return;
  if (platform::Form* step4 = desktop().form("Form10"))
    step4->Show();
  else
    ShowConsole(desktop());
  Unload();
}

// --- design mode

// A font for the element picked: applied to its label, then stored, name, size, bold and italic in this
// order. The size is stored as the dialog gives it (a label that refuses it keeps its own). A value
// that cannot be stored does not keep the others from being stored; the user is told once.
void Form11::C1_Click() {
  Cg1.Flags = 3;
  if (!Cg1.ShowFont()) return;
  const std::string name = Cg1.FontName;
  const float size = Cg1.FontSize;
  const std::string sizeText = SingleText(size);
  const bool bold = Cg1.FontBold, italic = Cg1.FontItalic;
  const std::string file = File();
  for (int element = 0; element < 4; ++element) {
    if (C1.Text() != key::kElements[element]) continue;
    platform::Label& label = ElementLabel(element);
    label.setFontName(name);
    label.setFontSize(size);
    label.setFontBold(bold);
    label.setFontItalic(italic);
    bool stored = true;
    for (const auto& [property, value] : {std::pair<const char*, std::string>{key::kFontName, name},
                                          {key::kFontSize, sizeText},
                                          {key::kFontBold, TruthText(bold)},
                                          {key::kFontItalic, TruthText(italic)}})
      stored = WriteIniChecked(file, key::kFontSection, key::FontKey(element, property), value) && stored;
    ReportWrite(desktop(), stored);
  }
}

// A text colour for the element picked: applied to its label, then stored; a failure is told.
void Form11::C2_Click() {
  if (!Cg2.ShowColor()) return;
  const std::int32_t colour = Cg2.Color;
  const std::string file = File();
  for (int element = 0; element < 4; ++element) {
    if (C2.Text() != key::kElements[element]) continue;
    ElementLabel(element).setForeColor(colour);
    WriteIniAtOnce(desktop(), file, key::kFontSection, key::FontKey(element, key::kFontColour),
                   std::to_string(colour));
  }
}

}  // namespace tallamo
