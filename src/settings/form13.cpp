#include "settings/form13.h"

#include "common/config_names.h"
#include "common/ini.h"
#include "common/navigation.h"
#include "common/program.h"
#include "common/saving.h"
#include "common/title_animation.h"
#include "settings/settings_page.h"
#include "settings/update_page.h"

namespace tallamo {

using namespace common;

namespace {
constexpr const char* kNewsHeading = "最新动态：";
constexpr const char* kCrLf = "\r\n";
}  // namespace

Form13::Form13(platform::Desktop& desktop) : platform::Form(desktop, "Form13") {
  C1.Click = [this] { C1_Click(); };
  WebBrowser1.DocumentComplete = [this](const std::string&) { WebBrowser1_DocumentComplete(); };
  Label3.Click = [this] { Label3_Click(); };
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
  Command3.Click = [this] { Command3_Click(); };
  Command4.Click = [this] { Command4_Click(); };
  Command5.Click = [this] { Command5_Click(); };
  Timer1.Tick = [this] { Timer1_Timer(); };
}

void Form13::build() {
  settings::DesignStepPage(*this, Image1);

  const auto label = [](platform::Label& l, const char* caption, std::int32_t colour, int left, int top,
                        int width) {
    l.setCaption(caption);
    l.setBackStyle(0);
    l.setForeColor(colour);
    l.Move(left, top, width, 255);
  };
  label(Label2, "", platform::colour::Blue, 120, 120, 2400);
  label(Label3, "访问作者主页", platform::colour::Blue, 2640, 120, 1215);
  label(Label1, "更换设置界面主题", platform::colour::Blue, 8760, 100, 1500);
  label(Ver_info, "", platform::colour::Red, 120, 8160, 4440);

  C1.Move(10320, 60, 1455, 300);
  C1.setText("请选择主题");
  for (const char* theme : settings::kThemes) C1.AddItem(theme);
  C1.setToolTipText("此处更换设置界面的主题");

  Text1.setMultiLine(true);
  Text1.setScrollBars(2);
  Text1.Move(0, 480, 11895, 7260);
  Text1.setBackColor(platform::colour::rgb(192, 255, 192));
  Text1.setForeColor(platform::colour::Black);
  Text1.setLocked(true);  // the news is for reading
  Text1.setText(std::string(kNewsHeading) + kCrLf);

  const auto button = [](platform::CommandButton& b, const char* caption, int left) {
    b.setCaption(caption);
    b.Move(left, 8040, 1335, 375);
  };
  button(Command1, "下载最新版本", 4680);
  button(Command2, "关于该软件", 6120);
  button(Command3, "开发者信息", 7560);
  button(Command5, "返回主界面", 9000);
  button(Command4, "下一步>>", 10440);

  Timer1.setInterval(500);
}

void Form13::Form_Load() {
  setCaption(kProgramTitle);
  AppVersion = VersionText();
  Command1.setEnabled(false);
  Label2.setCaption("主程序版本：" + AppVersion);
  Ver_info.setCaption("正在获取版本信息……");
  RequestUpdatePage();
  const std::string theme = settings::ReadTheme(desktop());
  C1.setText(theme);
  settings::LoadThemePicture(Image1, theme);
}

// A theme picked from the list is stored at once and shown here at once; the other settings pages
// show it from their next opening. Text typed into the combo is never stored.
void Form13::C1_Click() {
  WriteIniAtOnce(desktop(), desktop().programPath(theme_ini::kFile), kSection, theme_ini::kTheme, C1.Text());
  settings::LoadThemePicture(Image1, C1.Text());
}

void Form13::RequestUpdatePage() {
  for (std::size_t i = 0; i < Markers.size(); ++i) Markers[i] = settings::kUpdateMarkers[i];
  UpdateUrl = ReadIni(desktop().programPath(update_ini::kFile), kSection, update_ini::kAddress);
  NetState = desktop().networkConnected() ? "Y" : "N";
  if (NetState == "N") {
    Text1.setText(Text1.Text() + "网络连接失败，未能获取最新动态！" + kCrLf);
    return;
  }
  Text1.setText(Text1.Text() + "网络连接成功，获取最新动态中……" + kCrLf);
  WebBrowser1.Navigate(UpdateUrl);
}

// The page's values, cut out between the markers. Every completed document is read again.
void Form13::WebBrowser1_DocumentComplete() {
  using settings::GetBetween;
  PageText = WebBrowser1.BodyText();
  NewsText = GetBetween(PageText, Markers[0], Markers[1]);
  NewsDate = GetBetween(PageText, Markers[1], Markers[2]);
  if (!NewsText.empty())
    Text1.setText(std::string(kNewsHeading) + kCrLf + "    " + NewsText + kCrLf + kCrLf + "发布日期：" +
                  NewsDate + kCrLf);
  LatestVersion = GetBetween(PageText, Markers[3], Markers[4]);
  UpdateDate = GetBetween(PageText, Markers[4], Markers[5]);
  DownloadUrl = GetBetween(PageText, Markers[5], Markers[6]);
  SiteUrl = GetBetween(PageText, Markers[6], Markers[7]);

  // An earlier address stays unless the page gives another.
  const std::string site = settings::TrimBlanks(SiteUrl);
  if (!site.empty()) WriteIni(desktop().programPath(main_ini::kFile), kSection, main_ini::kSite, site);

  if (LatestVersion.empty()) {
    Ver_info.setCaption("抱歉，未能获取版本信息！");
    Command1.setEnabled(false);
  } else if (LatestVersion == AppVersion) {
    Ver_info.setCaption("已是最新版本！");
    Command1.setEnabled(false);
  } else {
    Ver_info.setCaption("发现新版本：" + LatestVersion + "（更新时间：" + UpdateDate + "）");
    Command1.setEnabled(true);
    OfferDownload();
  }
}

void Form13::OfferDownload() {
  const std::string question =
      "发现新版本,是否下载？\n最新版本：" + LatestVersion + "\n更新时间：" + UpdateDate;
  if (desktop().messageBox(question, platform::mb::OKCancel | platform::mb::Question, "提示") ==
      platform::mb::OK)
    Download();
}

void Form13::Download() {
  const std::string address = settings::TrimBlanks(DownloadUrl);
  if (!platform::isWebAddress(address)) {
    desktop().messageBox("下载地址无效！", platform::mb::OKOnly | platform::mb::Critical, kErrorCaption);
    return;
  }
  desktop().openWebAddress(address);
  desktop().end();
}

// "下载最新版本"
void Form13::Command1_Click() {
  Download();
}

// "访问作者主页": the site address the last page gave.
void Form13::Label3_Click() {
  desktop().openWebAddress(
      settings::TrimBlanks(ReadIni(desktop().programPath(main_ini::kFile), kSection, main_ini::kSite)));
}

// "关于该软件"
void Form13::Command2_Click() {
  if (platform::Form* about = desktop().form("Form21")) about->Show();
}

// "开发者信息"
void Form13::Command3_Click() {
  if (platform::Form* author = desktop().form("Form19")) author->Show();
}

// "下一步>>": the first step of the wizard; the entrance waits hidden, as it is.
void Form13::Command4_Click() {
  ShowAndHide(*this, "Form2");
}

// "返回主界面"
void Form13::Command5_Click() {
  ShowConsole(desktop());
  Unload();
}

// However the entrance is closed, the console comes back.
void Form13::Form_Unload(int& Cancel) {
  (void)Cancel;
  ShowConsole(desktop());
}

void Form13::Timer1_Timer() {
  TitleAnimation(*this);
}

}  // namespace tallamo
