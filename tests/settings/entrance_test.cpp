// The settings entrance as the timekeeper meets it: opened over the console, it fetches the news and
// latest-version page and shows what the page says, offers a new version, keeps the site address for
// its link, leads to the wizard and back, and opens the about and author windows.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdlib>
#include <filesystem>

#include "common/ini.h"
#include "platform/files.h"
#include "platform/real_desktop.h"
#include "support/page_server.h"
#include "support/test_program.h"

using platform::user::click;
using platform::user::movePointer;
using testing_support::TestProgram;

namespace {

// A page as the news and latest-version server writes it; a value given as nullptr leaves out the
// marker that starts it.
struct Page {
  const char* news = "第六届青岚杯决赛今晚直播";
  const char* newsDate = "2024-05-01";
  const char* version = "4.0.3";
  const char* updated = "2024-04-20";
  const char* download = "https://www.example.org/tallamo/setup.exe";
  const char* site = "https://www.example.org/tallamo/";

  std::string text() const {
    std::string t = "Tallamo 新闻\r\n";
    const auto add = [&](const char* marker, const char* value) {
      if (value) t += std::string(marker) + value;
    };
    add("[*Tallamo最新动态*]", news);
    add("[*发布日期*]", newsDate);
    t += "[*Varnel软件最新动态*]其他软件的消息";
    add("[*版本号*]", version);
    add("[*更新日期*]", updated);
    add("[*文件地址*]", download);
    add("[*官方网站*]", site);
    if (site) t += "[*Varnel软件*]";
    return t + "\r\n页脚";
  }
};

// The program with the console open; the entrance is opened by the console's settings button.
struct Session {
  TestProgram t;
  tallamo::Form13& entrance = t.program().form13;
  tallamo::Form4& console = t.program().form4;

  Session() {
    t.desktop().dispatch([&] { console.Show(); });
  }
  // The address that the shipped Update\Update.ini names.
  std::string address() const {
    return t.readIni("\\Update\\Update.ini", "配置信息", "获取版本信息的网络地址");
  }
  void serve(const Page& page) { t.desktop().servePage(address(), page.text()); }
  void open() {
    movePointer(console, 30, console.ScaleHeight() / 2.0);
    ASSERT_TRUE(click(console.Command16));
    ASSERT_TRUE(entrance.visible());
  }
  void fetched() { t.advance(t.desktop().pageDelay()); }
  std::string site() const { return t.readIni("\\config\\main.ini", "配置信息", "官方网站"); }
  const std::vector<platform::MessageRecord>& messages() { return t.desktop().messages(); }
  const std::vector<std::string>& opened() { return t.desktop().openedAddresses(); }
};

const std::string kFetching = "最新动态：\r\n网络连接成功，获取最新动态中……\r\n";
const std::string kOffer = "发现新版本,是否下载？\n最新版本：4.1.0\n更新时间：2024-04-20";

}  // namespace

TEST(Entrance, OpensOverTheConsoleAndShowsTheNewsOfTheFetchedPage) {
  Session s;
  s.serve(Page{});
  s.open();
  auto& f = s.entrance;
  EXPECT_TRUE(s.console.visible()) << "the console stays open behind";
  EXPECT_EQ(f.Caption(), "Tallamo");
  EXPECT_EQ(f.ScaleWidth(), 11880);
  EXPECT_EQ(f.Label2.Caption(), "主程序版本：4.0.3");
  EXPECT_EQ(f.Ver_info.Caption(), "正在获取版本信息……");
  EXPECT_FALSE(f.Command1.Enabled());
  EXPECT_EQ(f.Text1.Text(), kFetching) << "the page is still on its way";
  EXPECT_EQ(s.t.desktop().navigations(), (std::vector<std::string>{s.address()}));

  s.fetched();
  EXPECT_EQ(f.Text1.Text(), "最新动态：\r\n    第六届青岚杯决赛今晚直播\r\n\r\n发布日期：2024-05-01\r\n");
  EXPECT_EQ(f.Ver_info.Caption(), "已是最新版本！");
  EXPECT_FALSE(f.Command1.Enabled());
  EXPECT_TRUE(s.messages().empty()) << "the same version offers nothing";
  EXPECT_EQ(s.site(), "https://www.example.org/tallamo/");
  EXPECT_TRUE(platform::user::screenshot(f, testing_support::ScreenshotPath("settings-entrance")));
}

TEST(Entrance, WithoutAConnectionOrAPageTheConnectionMessageStays) {
  {
    Session s;
    s.serve(Page{});
    s.t.desktop().setNetworkConnected(false);
    s.open();
    s.t.advance(10000);
    EXPECT_EQ(s.entrance.Text1.Text(), "最新动态：\r\n网络连接失败，未能获取最新动态！\r\n");
    EXPECT_EQ(s.entrance.Ver_info.Caption(), "正在获取版本信息……");
    EXPECT_TRUE(s.t.desktop().navigations().empty()) << "no request";
  }
  // An unreachable address, a page without the markers, markers in the wrong order: the page gives
  // no values.
  for (const std::string& text :
       {std::string("#none"), std::string("<html>404 Not Found</html>"),
        std::string("[*发布日期*]昨天[*Tallamo最新动态*]新闻[*更新日期*]x[*版本号*]")}) {
    SCOPED_TRACE(text);
    Session s;
    if (text != "#none") s.t.desktop().servePage(s.address(), text);
    s.open();
    s.fetched();
    EXPECT_EQ(s.entrance.Text1.Text(), kFetching);
    EXPECT_EQ(s.entrance.Ver_info.Caption(), "抱歉，未能获取版本信息！");
    EXPECT_FALSE(s.entrance.Command1.Enabled());
    EXPECT_TRUE(s.messages().empty());
  }
  // News without marker 3: the date is empty.
  Session s;
  s.t.desktop().servePage(s.address(),
                          "[*Tallamo最新动态*] 新闻 [*发布日期*]2024[*版本号*]4.0.3[*更新日期*]");
  s.open();
  s.fetched();
  EXPECT_EQ(s.entrance.Text1.Text(), "最新动态：\r\n     新闻 \r\n\r\n发布日期：\r\n") << "untrimmed";
  EXPECT_EQ(s.entrance.Ver_info.Caption(), "已是最新版本！");
}

TEST(Entrance, EveryOtherVersionTextIsOfferedAndCancelKeepsTheDownloadButton) {
  for (const char* version : {"4.0.2", "\r\n4.0.3"}) {
    SCOPED_TRACE(version);
    Session s;
    Page page;
    page.version = version;
    s.serve(page);
    s.open();
    s.t.desktop().answerMessage(platform::mb::Cancel);
    s.fetched();
    ASSERT_EQ(s.messages().size(), 1u);
    const auto& offer = s.messages().front();
    EXPECT_EQ(offer.text,
              "发现新版本,是否下载？\n最新版本：" + std::string(version) + "\n更新时间：2024-04-20");
    EXPECT_EQ(offer.style, 33);
    EXPECT_EQ(offer.caption, "提示");
    EXPECT_EQ(s.entrance.Ver_info.Caption(),
              "发现新版本：" + std::string(version) + "（更新时间：2024-04-20）");
    EXPECT_TRUE(s.entrance.Command1.Enabled());
    EXPECT_TRUE(s.opened().empty());
    EXPECT_FALSE(s.t.desktop().ended());
  }

  // After Cancel the button downloads, and the program ends.
  Session s;
  Page page;
  page.version = "4.1.0";
  s.serve(page);
  s.t.writeIni("\\Config\\Theme.ini", "配置信息", "设置界面主题", "Theme-3");
  s.open();
  s.t.desktop().answerMessage(platform::mb::Cancel);
  s.fetched();
  EXPECT_TRUE(
      platform::user::screenshot(s.entrance, testing_support::ScreenshotPath("settings-entrance-new")));
  ASSERT_TRUE(click(s.entrance.Command1));
  EXPECT_EQ(s.opened(), (std::vector<std::string>{"https://www.example.org/tallamo/setup.exe"}));
  EXPECT_TRUE(s.t.desktop().ended());
  EXPECT_FALSE(s.console.loaded());
}

TEST(Entrance, TheOffersOkDownloadsAndEndsTheProgramAtOnce) {
  Session s;
  Page page;
  page.version = "4.1.0";
  page.download = "  https://www.example.org/tallamo/setup-4.1.0.exe\r\n";
  s.serve(page);
  s.open();
  s.t.desktop().answerMessage(platform::mb::OK);
  s.fetched();
  ASSERT_EQ(s.messages().size(), 1u);
  EXPECT_EQ(s.messages().front().text, kOffer);
  EXPECT_EQ(s.opened(), (std::vector<std::string>{"https://www.example.org/tallamo/setup-4.1.0.exe"}))
      << "the address taken from the page, without the blanks around it";
  EXPECT_TRUE(s.t.desktop().ended());
  EXPECT_FALSE(s.entrance.loaded());
  EXPECT_FALSE(s.console.visible()) << "no close handler shows the console again";
}

TEST(Entrance, ADownloadAddressThatIsNoWebAddressIsRefusedAndTheProgramGoesOn) {
  for (const char* download : {"www.example.org/setup.exe", "file:///etc/passwd", ""}) {
    SCOPED_TRACE(download);
    Session s;
    Page page;
    page.version = "4.1.0";
    page.download = download;
    s.serve(page);
    s.open();
    s.t.desktop().answerMessage(platform::mb::OK);
    s.fetched();
    ASSERT_EQ(s.messages().size(), 2u);
    const auto& refusal = s.messages().back();
    EXPECT_EQ(refusal.text, "下载地址无效！");
    EXPECT_EQ(refusal.style, platform::mb::OKOnly | platform::mb::Critical);
    EXPECT_EQ(refusal.caption, "出错啦！");
    ASSERT_TRUE(click(s.entrance.Command1));
    EXPECT_EQ(s.messages().size(), 3u);
    EXPECT_EQ(s.messages().back().text, "下载地址无效！");
    EXPECT_TRUE(s.opened().empty());
    EXPECT_FALSE(s.t.desktop().ended());
    EXPECT_TRUE(s.entrance.visible());
  }
}

TEST(Entrance, TheSiteLinkOpensTheAddressTheLastPageGave) {
  Session s;
  EXPECT_EQ(s.site(), "https://www.example.org/tallamo/") << "shipped, so that the link works at once";
  s.open();
  ASSERT_TRUE(click(s.entrance.Label3));
  EXPECT_EQ(s.opened(), (std::vector<std::string>{"https://www.example.org/tallamo/"}));

  struct Row {
    const char* site;  // nullptr: no markers 7 and 8
    const char* stored;
  };
  const Row rows[] = {
      {" https://news.example.org/tallamo \r\n", "https://news.example.org/tallamo"},
      {nullptr, "https://news.example.org/tallamo"},
      {"  \r\n ", "https://news.example.org/tallamo"},
      {"", "https://news.example.org/tallamo"},
      {"https://a.example.org/\r\nb", "https://a.example.org/ b"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.site ? r.site : "(none)");
    Page page;
    page.site = r.site;
    s.serve(page);
    ASSERT_TRUE(click(s.entrance.Command5));
    s.open();
    s.fetched();
    EXPECT_EQ(s.site(), r.stored);
  }
  // The last address has a blank inside: no web address, nothing opens.
  const auto before = s.opened().size();
  ASSERT_TRUE(click(s.entrance.Label3));
  EXPECT_EQ(s.opened().size(), before);

  // Nothing stored: nothing opens.
  s.t.writeIni("\\config\\main.ini", "配置信息", "官方网站", "");
  ASSERT_TRUE(click(s.entrance.Label3));
  EXPECT_EQ(s.opened().size(), before);
  EXPECT_TRUE(s.messages().empty());
}

TEST(Entrance, AHiddenEntranceKeepsItsPageAndFetchesNothingWhenShownAgain) {
  Session s;
  auto& step1 = s.t.program().form2;
  Page page;
  page.version = "4.1.0";
  s.serve(page);
  s.open();

  // "下一步>>" before the page came: the offer shows over the step.
  ASSERT_TRUE(click(s.entrance.Command4));
  EXPECT_TRUE(step1.visible());
  EXPECT_TRUE(s.entrance.loaded());
  EXPECT_FALSE(s.entrance.visible());
  s.t.desktop().answerMessage(platform::mb::Cancel);
  s.fetched();
  ASSERT_EQ(s.messages().size(), 1u);
  EXPECT_EQ(s.messages().front().text, kOffer);
  EXPECT_EQ(s.entrance.Ver_info.Caption(), "发现新版本：4.1.0（更新时间：2024-04-20）");

  // Back to the console from the step, then the settings button: the entrance as it was.
  step1.Unload();
  const std::string text = s.entrance.Text1.Text();
  s.open();
  s.t.advance(5000);
  EXPECT_EQ(s.t.desktop().navigations().size(), 1u) << "no second fetch";
  EXPECT_EQ(s.entrance.Text1.Text(), text);
  EXPECT_TRUE(s.entrance.Command1.Enabled());
  EXPECT_EQ(s.messages().size(), 1u);

  // Closed by its close box: the console comes forward; opened again, it fetches again.
  ASSERT_TRUE(platform::user::closeWindow(s.entrance));
  EXPECT_FALSE(s.entrance.loaded());
  EXPECT_EQ(s.t.desktop().activeForm(), &s.console);
  page.version = "4.0.3";
  s.serve(page);
  s.open();
  EXPECT_EQ(s.entrance.Ver_info.Caption(), "正在获取版本信息……");
  EXPECT_FALSE(s.entrance.Command1.Enabled());
  s.fetched();
  EXPECT_EQ(s.t.desktop().navigations().size(), 2u);
  EXPECT_EQ(s.entrance.Ver_info.Caption(), "已是最新版本！");

  // "返回主界面" closes it; a fetch still on its way ends with it.
  s.open();
  ASSERT_TRUE(click(s.entrance.Command5));
  EXPECT_FALSE(s.entrance.loaded());
  EXPECT_TRUE(s.console.visible());
  s.fetched();
  EXPECT_EQ(s.t.desktop().navigations().size(), 2u);
  EXPECT_EQ(s.t.desktop().handlerFailures(), 0);
}

TEST(Entrance, TheCaptionIsWrittenOneCharacterEveryHalfSecondAlsoWhileHidden) {
  Session s;
  s.open();
  std::vector<std::string> captions;
  for (int tick = 0; tick < 9; ++tick) {
    if (tick == 3) click(s.entrance.Command4);  // hidden behind the wizard from here on
    s.t.advance(500);
    captions.push_back(s.entrance.Caption());
  }
  EXPECT_EQ(captions,
            (std::vector<std::string>{"", "T", "Ta", "Tal", "Tall", "Talla", "Tallam", "Tallamo", ""}));

  // Any other caption stays.
  s.entrance.setCaption("Tallamo 设置");
  s.t.advance(2000);
  EXPECT_EQ(s.entrance.Caption(), "Tallamo 设置");
}

TEST(Entrance, AboutAndAuthorWindowsOpenBesideItOnceEach) {
  Session s;
  s.open();
  ASSERT_TRUE(click(s.entrance.Command2));
  auto& about = s.t.program().form21;
  ASSERT_TRUE(about.visible());
  EXPECT_TRUE(s.entrance.visible());
  EXPECT_EQ(about.Caption(), "Tallamo");
  EXPECT_EQ(about.Label2[0].Caption(), "版    本：4.0.3");
  EXPECT_EQ(about.Label2[1].Caption(), "完成日期：2011-11-11");
  EXPECT_TRUE(platform::user::screenshot(about, testing_support::ScreenshotPath("settings-about")));

  // Pressed again: the same window, brought forward, its caption where the animation left it.
  s.t.advance(1000);
  EXPECT_EQ(about.Caption(), "T");
  ASSERT_TRUE(click(s.entrance.Command2));
  EXPECT_EQ(about.Caption(), "T");
  EXPECT_EQ(s.t.desktop().activeForm(), &about);

  ASSERT_TRUE(click(s.entrance.Command3));
  auto& author = s.t.program().form19;
  ASSERT_TRUE(author.visible());
  ASSERT_TRUE(click(s.entrance.Command3));
  EXPECT_EQ(author.Caption(), "Tallamo");
  EXPECT_TRUE(platform::user::screenshot(author, testing_support::ScreenshotPath("settings-author")));

  // Both stay open when the entrance is left, until their close boxes.
  ASSERT_TRUE(click(s.entrance.Command5));
  EXPECT_TRUE(about.visible());
  EXPECT_TRUE(author.visible());
  ASSERT_TRUE(platform::user::closeWindow(about));
  EXPECT_FALSE(about.loaded());
  EXPECT_TRUE(s.console.visible());
}

TEST(Entrance, TheAuthorsLinesLightUpUnderThePointerAndTheLinksOpen) {
  Session s;
  s.open();
  ASSERT_TRUE(click(s.entrance.Command3));
  auto& a = s.t.program().form19;
  platform::Label* lines[] = {&a.Label2, &a.Label3, &a.Label4, &a.Label5, &a.Label6, &a.Label7, &a.Label8};
  const auto colours = [&] {
    std::vector<std::int32_t> c;
    for (platform::Label* l : lines) c.push_back(l->ForeColor());
    return c;
  };
  const auto over = [&](platform::Label& l) { movePointer(a, l.Left() + 60, l.Top() + 60); };
  constexpr std::int32_t K = 0, R = 255, B = 16711680;

  over(a.Label5);
  EXPECT_EQ(colours(), (std::vector<std::int32_t>{K, K, K, R, K, K, K}));
  over(a.Label7);
  EXPECT_EQ(colours(), (std::vector<std::int32_t>{K, K, K, K, K, B, K})) << "a link lights up blue";
  movePointer(a, 100, a.ScaleHeight() - 60);
  EXPECT_EQ(colours(), (std::vector<std::int32_t>(7, K))) << "the window's free area";
  over(a.Label3);
  platform::user::movePointerOut(a);
  EXPECT_EQ(colours(), (std::vector<std::int32_t>{K, B, K, K, K, K, K})) << "left across the window's edge";
  over(a.Label1);
  EXPECT_EQ(a.Label1.ForeColor(), B) << "the heading keeps its colour";

  ASSERT_TRUE(click(a.Label3));
  ASSERT_TRUE(click(a.Label7));
  EXPECT_EQ(s.opened(), (std::vector<std::string>{"https://www.example.org/qinglan-university/",
                                                  "https://blog.example.org/guqingye/"}));
  EXPECT_EQ(a.Label7.ToolTipText(), "单击访问作者博客");
  EXPECT_TRUE(a.visible()) << "the window stays open";
}

TEST(Entrance, ThePageShowsTheStoredThemeOnlyWhenItIsOneOfTheFourExactly) {
  for (const char* stored : {"Theme-3", "theme-3", " Theme-3", "第二套"}) {
    SCOPED_TRACE(stored);
    Session s;
    s.t.writeIni("\\Config\\Theme.ini", "配置信息", "设置界面主题", stored);
    s.open();
    EXPECT_EQ(s.entrance.C1.Text(), stored) << "the stored value as it is";
    EXPECT_EQ(s.entrance.Image1.picturePath(),
              s.t.path(stored == std::string("Theme-3") ? "\\Theme\\Theme3.jpg" : "\\element\\design.jpg"));
  }
}

TEST(Entrance, AThemePickedFromTheListIsStoredAndShownAtOnce) {
  Session s;
  const std::string file = platform::resolvePath(s.t.path("\\config\\Theme.ini"));
  std::filesystem::remove(file);
  s.open();
  auto& f = s.entrance;
  EXPECT_EQ(f.C1.Text(), "") << "the stored theme, also when there is none";
  EXPECT_EQ(f.C1.ListCount(), 4);
  EXPECT_EQ(f.C1.ToolTipText(), "此处更换设置界面的主题");
  EXPECT_EQ(f.Image1.picturePath(), s.t.path("\\element\\design.jpg"));

  ASSERT_TRUE(platform::user::pickListEntry(f.C1, 1));
  EXPECT_EQ(s.t.readIni("\\Config\\Theme.ini", "配置信息", "设置界面主题"), "Theme-2");
  EXPECT_EQ(f.Image1.picturePath(), s.t.path("\\Theme\\Theme2.jpg"));

  // The entry shown, picked again, is stored again.
  s.t.writeIni("\\Config\\Theme.ini", "配置信息", "设置界面主题", "Theme-9");
  ASSERT_TRUE(platform::user::pickListEntry(f.C1, 1));
  EXPECT_EQ(s.t.readIni("\\Config\\Theme.ini", "配置信息", "设置界面主题"), "Theme-2");

  // A theme typed over the text is neither stored nor shown, whether Enter or Tab ends the typing.
  for (int end : {platform::key::Return, platform::key::Tab}) {
    ASSERT_TRUE(platform::user::focus(f.C1));
    platform::user::pressKey(f, 'A', 2);
    platform::user::typeText(f, "Theme-3");
    platform::user::pressKey(f, end);
    EXPECT_EQ(f.C1.Text(), "Theme-3") << "typed into the edit field";
    EXPECT_EQ(s.t.readIni("\\Config\\Theme.ini", "配置信息", "设置界面主题"), "Theme-2");
    EXPECT_EQ(f.Image1.picturePath(), s.t.path("\\Theme\\Theme2.jpg"));
  }

  // A theme whose picture is gone is stored; the picture shown stays, also at the next load.
  std::filesystem::remove(platform::resolvePath(s.t.path("\\Theme\\Theme4.jpg")));
  ASSERT_TRUE(platform::user::pickListEntry(f.C1, 3));
  EXPECT_EQ(s.t.readIni("\\Config\\Theme.ini", "配置信息", "设置界面主题"), "Theme-4");
  EXPECT_EQ(f.Image1.picturePath(), s.t.path("\\Theme\\Theme2.jpg"));
  ASSERT_TRUE(click(f.Command5));
  s.open();
  EXPECT_EQ(f.Image1.picturePath(), s.t.path("\\element\\design.jpg"));
  EXPECT_TRUE(s.messages().empty());

  // Step 1 shows the theme picked; behind the wizard and back, the entrance keeps what it shows.
  ASSERT_TRUE(platform::user::pickListEntry(f.C1, 2));
  ASSERT_TRUE(click(f.Command4));
  EXPECT_EQ(s.t.program().form2.Image1.picturePath(), s.t.path("\\Theme\\Theme3.jpg"));
  s.open();
  EXPECT_EQ(f.C1.Text(), "Theme-3");
  EXPECT_EQ(f.Image1.picturePath(), s.t.path("\\Theme\\Theme3.jpg"));
}

TEST(Entrance, AThemeThatCannotBeStoredIsToldOnce) {
  Session s;
  s.open();
  const std::filesystem::path file = platform::resolvePath(s.t.path("\\config\\Theme.ini"));
  std::filesystem::permissions(file, std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  const std::string before = *platform::readFileBytes(file.string());

  ASSERT_TRUE(platform::user::pickListEntry(s.entrance.C1, 0));
  ASSERT_EQ(s.messages().size(), 1u);
  EXPECT_EQ(s.messages().front().text, "数据保存失败！");
  EXPECT_EQ(s.messages().front().style, platform::mb::OKOnly | platform::mb::Critical);
  EXPECT_EQ(s.messages().front().caption, "出错啦！");
  EXPECT_EQ(*platform::readFileBytes(file.string()), before);
  EXPECT_EQ(s.entrance.Image1.picturePath(), s.t.path("\\Theme\\Theme1.jpg")) << "shown all the same";
}

TEST(Entrance, OnTheRealDesktopAChinesePageFromTheNetworkShowsItsNews) {
  testing_support::PageServer server;
  server.serve(
      "/update.html",
      {"200 OK", "text/html; charset=gb2312",
       testing_support::Gbk("<html><body><h1>Tallamo 动态</h1><p>[*Tallamo最新动态*]决赛今晚七点开始"
                            "[*发布日期*]2024-05-01[*Varnel软件最新动态*]</p><p>[*版本号*]4.0.3"
                            "[*更新日期*]2024-04-20[*文件地址*]https://www.example.org/setup.exe"
                            "[*官方网站*]https://site.example.org/[*Varnel软件*]</p></body></html>")});
  testing_support::TempFolder folder;
  std::filesystem::copy(TALLAMO_DATA_DIR, folder.path(), std::filesystem::copy_options::recursive);
  setenv("TALLAMO_PROGRAM_FOLDER", folder.str().c_str(), 1);
  platform::RealDesktop desktop("Tallamo");
  unsetenv("TALLAMO_PROGRAM_FOLDER");
  common::WriteIniChecked(desktop.programPath("\\Update\\Update.ini"), "配置信息", "获取版本信息的网络地址",
                          server.address("/update.html"));
  tallamo::Program program(desktop);
  auto& entrance = program.form13;

  desktop.dispatch([&] { entrance.Show(); });
  QElapsedTimer clock;
  clock.start();
  while (entrance.Ver_info.Caption() == "正在获取版本信息……" && clock.elapsed() < 10000)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  EXPECT_EQ(entrance.NetState, "Y") << "a machine that cannot tell counts as connected";
  EXPECT_EQ(entrance.Text1.Text(), "最新动态：\r\n    决赛今晚七点开始\r\n\r\n发布日期：2024-05-01\r\n");
  EXPECT_EQ(entrance.Ver_info.Caption(), "已是最新版本！");
  EXPECT_EQ(common::ReadIni(desktop.programPath("\\config\\main.ini"), "配置信息", "官方网站"),
            "https://site.example.org/");
}
