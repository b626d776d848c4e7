// Step 2 of the wizard: the console's background colour and picture, stored the moment they are picked
// (the picture also goes onto the console at once while it is open), and the custom presentation
// stages, stored only by the save button.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/files.h"
#include "support/test_program.h"

using platform::user::click;
using platform::user::doubleClick;
using platform::user::movePointer;
using testing_support::TestProgram;

namespace {

namespace fs = std::filesystem;

struct Session {
  Session() { t.desktop().setNetworkConnected(false); }
  TestProgram t;
  tallamo::Form4& console = t.program().form4;
  tallamo::Form7& step2 = t.program().form7;

  // Console, settings entrance, steps 1 and 2.
  void open() {
    if (!console.loaded()) t.desktop().dispatch([&] { console.Show(); });
    movePointer(console, 30, console.ScaleHeight() / 2.0);
    ASSERT_TRUE(click(console.Command16));
    ASSERT_TRUE(click(t.program().form13.Command4));
    ASSERT_TRUE(click(t.program().form2.Command2));
    ASSERT_TRUE(step2.visible());
  }
  std::string main(const char* key) const { return t.readIni("\\config\\main.ini", "配置信息", key); }
  std::string ppt(const std::string& key) const { return t.readIni("\\config\\PPT.ini", "配置信息", key); }
  const std::vector<platform::MessageRecord>& messages() { return t.desktop().messages(); }
  void readOnly(const char* designPath) {
    fs::permissions(platform::resolvePath(t.path(designPath)),
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
  }
};

const char* const kNames[4] = {"自定义环节一名称", "自定义环节二名称", "自定义环节三名称",
                               "自定义环节四名称"};
const char* const kPaths[4] = {"自定义环节一文件路径", "自定义环节二文件路径", "自定义环节三文件路径",
                               "自定义环节四文件路径"};

}  // namespace

TEST(Step2, ShowsTheStoredStagesWithMissingFilesInRedAndTheConsoleBackground) {
  Session s;
  s.t.writeIni("\\config\\PPT.ini", "配置信息", kPaths[1], "ppt\\gone.pptx");
  s.t.writeIni("\\config\\PPT.ini", "配置信息", kPaths[3], "ppt\\opening.pptx");
  s.open();
  auto& f = s.step2;
  EXPECT_EQ(f.Caption(), "Tallamo");
  EXPECT_EQ(f.Text1.Text(), "开幕致辞");
  EXPECT_EQ(f.Text4.Text(), "赛事回顾");
  EXPECT_EQ(f.Text9.Text(), "ppt\\opening.pptx");
  EXPECT_EQ(f.Text9.ForeColor(), 0);
  EXPECT_EQ(f.Text10.ForeColor(), 255);
  EXPECT_EQ(f.Text11.ForeColor(), 255) << "an empty path names no file";
  EXPECT_EQ(f.Text12.Text(), "ppt\\opening.pptx");
  EXPECT_EQ(f.Text12.ForeColor(), 0);
  for (platform::Control* c :
       std::initializer_list<platform::Control*>{&f.Text4, &f.Command4, &f.Text12, &f.Command8})
    EXPECT_FALSE(c->Enabled()) << c->Name();
  EXPECT_EQ(f.Label2.BackColor(), 6041622);
  EXPECT_EQ(f.Text6.Text(), "background\\main.jpg");
  EXPECT_EQ(f.Text6.ForeColor(), platform::colour::WindowText) << "a found picture keeps the design colour";
  EXPECT_TRUE(f.Text1.hasFocus());
  EXPECT_TRUE(platform::user::screenshot(f, testing_support::ScreenshotPath("settings-step2")));

  // A colour that is no colour leaves the button face; a missing picture shows red.
  for (const char* colour : {"abc", "16777216"}) {
    s.t.writeIni("\\config\\main.ini", "配置信息", "背景颜色", colour);
    s.t.writeIni("\\config\\main.ini", "配置信息", "背景图片", "background\\gone.jpg");
    ASSERT_TRUE(click(f.Command10));
    ASSERT_TRUE(click(s.t.program().form2.Command2));
    EXPECT_EQ(f.Label2.BackColor(), platform::colour::ButtonFace) << colour;
    EXPECT_EQ(f.Text6.ForeColor(), 255);
  }
}

TEST(Step2, PresentationsArePickedAndRemovedInTheFieldsAndStoredOnlyBySave) {
  Session s;
  s.t.writeIni("\\config\\PPT.ini", "配置信息", kPaths[2], "ppt\\gone.pptx");
  s.t.writeIni("\\config\\PPT.ini", "配置信息", kPaths[3], "D:\\旧\\回顾.ppsx");
  s.open();
  auto& f = s.step2;
  ASSERT_EQ(f.Text11.ForeColor(), 255);

  const std::string picked = s.t.path("\\ppt\\opening.pptx");
  s.t.desktop().answerFileDialog(picked);
  ASSERT_TRUE(click(f.Command3));
  const auto& request = s.t.desktop().fileDialogs().back();
  EXPECT_EQ(request.filter,
            "演示文稿(*.ppt)|*.ppt|幻灯片放映(*.pps)|*.pps|演示文稿(2007)(*.pptx)|*.pptx|"
            "幻灯片放映(2007)(*.ppsx)|*.ppsx|所有文件(*.*)|*.*|");
  EXPECT_EQ(request.filterIndex, 1);
  EXPECT_EQ(request.flags, 4);
  EXPECT_EQ(f.Text11.Text(), picked);
  EXPECT_EQ(f.Text11.ForeColor(), 0);
  EXPECT_EQ(f.Text3.Text(), "评委介绍") << "the name is the user's to type";
  EXPECT_EQ(s.ppt(kPaths[2]), "ppt\\gone.pptx");
  // A path is picked, never typed.
  platform::user::focus(f.Text11);
  platform::user::typeText(f, "x");
  platform::user::pasteText(f.Text11, "y");
  EXPECT_EQ(f.Text11.Text(), picked);

  // The dialog is shared by the rows and starts from the last file; Cancel changes nothing.
  ASSERT_TRUE(click(f.Command2));
  EXPECT_EQ(s.t.desktop().fileDialogs().back().fileName, picked);
  EXPECT_EQ(f.Text10.Text(), "");

  // Removal empties the field and leaves its colour.
  s.t.writeIni("\\config\\PPT.ini", "配置信息", kPaths[0], "ppt\\gone.pptx");
  ASSERT_TRUE(click(f.Command10));
  ASSERT_TRUE(click(s.t.program().form2.Command2));
  ASSERT_EQ(f.Text9.ForeColor(), 255);
  ASSERT_TRUE(click(f.Command5));
  EXPECT_EQ(f.Text9.Text(), "");
  EXPECT_EQ(f.Text9.ForeColor(), 255);
  EXPECT_FALSE(click(f.Command8)) << "row 4 is disabled";

  // Leaving without a save keeps the stored path.
  ASSERT_TRUE(click(f.Command13));
  ASSERT_TRUE(click(s.t.program().form3.Command2));
  EXPECT_EQ(f.Text9.Text(), "ppt\\gone.pptx");

  // The save: names first, then paths, row 4 as it was, empty fields as empty values.
  ASSERT_TRUE(click(f.Command5));
  f.Text2.setText("");
  f.Text1.setText("开场视频");
  ASSERT_TRUE(click(f.Command9));
  ASSERT_EQ(s.messages().size(), 1u);
  EXPECT_EQ(s.messages()[0].text, "数据保存成功！");
  EXPECT_EQ(s.ppt(kNames[0]), "开场视频");
  EXPECT_EQ(s.ppt(kNames[1]), "");
  EXPECT_EQ(s.ppt(kPaths[0]), "");
  EXPECT_EQ(s.ppt(kNames[3]), "赛事回顾");
  EXPECT_EQ(s.ppt(kPaths[3]), "D:\\旧\\回顾.ppsx");
  const std::string bytes = platform::fromGb18030(*platform::readFileBytes(s.t.path("\\config\\PPT.ini")));
  std::size_t at = 0;
  for (const char* const* keys : {kNames, kPaths})
    for (int i = 0; i < 4; ++i) {
      const std::size_t next = bytes.find(std::string(keys[i]) + "=", at);
      EXPECT_NE(next, std::string::npos) << keys[i] << " in its place";
      at = next;
    }

  // A save the system refuses is told, and the file stays as it was.
  s.readOnly("\\config\\PPT.ini");
  const std::string before = *platform::readFileBytes(s.t.path("\\config\\PPT.ini"));
  ASSERT_TRUE(click(f.Command9));
  EXPECT_EQ(s.messages().back().text, "数据保存失败！");
  EXPECT_EQ(s.messages().back().caption, "出错啦！");
  EXPECT_EQ(*platform::readFileBytes(s.t.path("\\config\\PPT.ini")), before);
}

TEST(Step2, TheSwatchColourIsStoredAtOnceAndReachesTheConsoleAtItsRefresh) {
  Session s;
  s.open();
  auto& f = s.step2;
  const std::int32_t consoleColour = s.console.BackColor();
  const std::int32_t orange = platform::colour::rgb(255, 128, 0);
  s.t.desktop().answerColourDialog(orange);
  ASSERT_TRUE(doubleClick(f.Label2));
  EXPECT_EQ(f.Label2.BackColor(), orange);
  EXPECT_EQ(s.main("背景颜色"), std::to_string(orange));
  EXPECT_TRUE(s.messages().empty());

  // Cancel: nothing changes.
  s.t.desktop().cancelColourDialog();
  ASSERT_TRUE(doubleClick(f.Label2));
  EXPECT_EQ(f.Label2.BackColor(), orange);
  EXPECT_EQ(s.main("背景颜色"), std::to_string(orange));

  // Stored even when the page is left backwards; the console shows it from "刷新设置".
  ASSERT_TRUE(click(f.Command10));
  ASSERT_TRUE(click(s.t.program().form2.Command4));
  EXPECT_EQ(s.console.BackColor(), consoleColour);
  movePointer(s.console, 30, s.console.ScaleHeight() / 2.0);
  ASSERT_TRUE(click(s.console.Command19));
  EXPECT_EQ(s.console.BackColor(), orange);

  // A colour the system cannot store is told.
  s.open();
  s.readOnly("\\config\\main.ini");
  s.t.desktop().answerColourDialog(platform::colour::rgb(1, 2, 3));
  ASSERT_TRUE(doubleClick(f.Label2));
  ASSERT_EQ(s.messages().size(), 1u);
  EXPECT_EQ(s.messages()[0].text, "数据保存失败！");
  EXPECT_EQ(s.main("背景颜色"), std::to_string(orange));
}

TEST(Step2, ThePictureIsStoredAndPutOnTheOpenConsoleAtOnce) {
  Session s;
  s.open();
  auto& f = s.step2;
  const std::string cite = s.t.path("\\background\\cite.jpg");
  s.t.desktop().answerFileDialog(cite);
  ASSERT_TRUE(doubleClick(f.Text6));
  const auto& request = s.t.desktop().fileDialogs().back();
  EXPECT_EQ(request.filter, "JPG文件(*.jpg)|*.jpg|位图文件(*.bmp)|*.bmp|所有文件(*.*)|*.*|");
  EXPECT_EQ(request.flags, 4);
  EXPECT_EQ(f.Text6.Text(), cite);
  EXPECT_EQ(s.main("背景图片"), cite);
  EXPECT_EQ(s.console.Image1.picturePath(), cite);

  // A file that is no picture, and a missing one, are stored; the console keeps its picture.
  const std::string notPicture = s.t.path("\\config\\main.ini");
  for (const std::string& path : {notPicture, s.t.path("\\background\\gone.jpg")}) {
    s.t.desktop().answerFileDialog(path);
    ASSERT_TRUE(doubleClick(f.Text6));
    EXPECT_EQ(s.main("背景图片"), path);
    EXPECT_EQ(s.console.Image1.picturePath(), cite);
  }
  s.t.desktop().cancelFileDialog();
  ASSERT_TRUE(doubleClick(f.Text6));
  EXPECT_EQ(f.Text6.Text(), s.t.path("\\background\\gone.jpg"));

  // "移除": no picture on the console, the empty path stored; it stays so after "刷新设置".
  ASSERT_TRUE(click(f.Command12));
  EXPECT_EQ(f.Text6.Text(), "");
  EXPECT_EQ(s.main("背景图片"), "");
  EXPECT_FALSE(s.console.Image1.hasPicture());
  ASSERT_TRUE(click(f.Command11));
  EXPECT_EQ(s.t.desktop().activeForm(), &s.console);
  movePointer(s.console, 30, s.console.ScaleHeight() / 2.0);
  ASSERT_TRUE(click(s.console.Command19));
  EXPECT_FALSE(s.console.Image1.hasPicture());
  EXPECT_TRUE(s.messages().empty());
}

TEST(Step2, AClosedConsoleIsNotLoadedByAPictureAndReadsItAtItsNextLoad) {
  Session s;
  // The page alone, the console closed (as after the console opened the report).
  s.t.desktop().dispatch([&] { s.step2.Show(); });
  ASSERT_FALSE(s.console.loaded());
  const std::string cite = s.t.path("\\background\\cite.jpg");
  s.t.desktop().answerFileDialog(cite);
  ASSERT_TRUE(doubleClick(s.step2.Text6));
  EXPECT_FALSE(s.console.loaded());
  EXPECT_EQ(s.main("背景图片"), cite);
  ASSERT_TRUE(click(s.step2.Command12));
  EXPECT_FALSE(s.console.loaded());

  s.t.desktop().answerFileDialog(cite);
  ASSERT_TRUE(doubleClick(s.step2.Text6));
  ASSERT_TRUE(click(s.step2.Command11));  // "返回主界面" loads the console afresh
  EXPECT_TRUE(s.console.visible());
  EXPECT_EQ(s.console.Image1.picturePath(), cite);
  EXPECT_EQ(s.t.desktop().handlerFailures(), 0);
}
