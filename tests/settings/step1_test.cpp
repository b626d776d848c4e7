// Step 1 of the wizard as the timekeeper meets it: reached from the settings entrance, it shows the
// stored basic information, saves all of it as typed, keeps the cursor in the competition's name, and
// leads back to the entrance, on to step 2 or to the console without saving.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/config_names.h"
#include "platform/files.h"
#include "support/test_program.h"

using platform::user::click;
using platform::user::movePointer;
using testing_support::TestProgram;

namespace {

namespace fs = std::filesystem;

struct Session {
  explicit Session(testing_support::Data data = testing_support::Data::Default) : t(data) {
    t.desktop().setNetworkConnected(false);
    t.desktop().dispatch([&] { console.Show(); });
  }
  TestProgram t;
  tallamo::Form4& console = t.program().form4;
  tallamo::Form13& entrance = t.program().form13;
  tallamo::Form2& step1 = t.program().form2;

  // Console, settings entrance, "下一步>>".
  void open() {
    movePointer(console, 30, console.ScaleHeight() / 2.0);
    ASSERT_TRUE(click(console.Command16));
    ASSERT_TRUE(click(entrance.Command4));
    ASSERT_TRUE(step1.visible());
  }
  std::string stored(int key) const {
    return t.readIni("\\config\\BasicInfo.ini", "辩论赛信息", common::basic_ini::kKeys[key]);
  }
  platform::TextBox& field(int key) {
    if (key < 8) return step1.Text1[key];
    if (key < 16) return step1.Text2[key - 8];
    return step1.Text3[key - 16];
  }
  const std::vector<platform::MessageRecord>& messages() { return t.desktop().messages(); }
};

}  // namespace

TEST(Step1, ShowsTheStoredInformationAndSavesEveryValueAsTyped) {
  Session s;
  // A motion longer than 99 bytes, blanks around a name, an empty judge.
  const std::string motion = std::string(60, 'x') + "人工智能的发展利大于弊，这是一个很长很长很长的辩题";
  s.t.writeIni("\\config\\BasicInfo.ini", "辩论赛信息", "正方辩题", motion);
  s.t.writeIni("\\config\\BasicInfo.ini", "辩论赛信息", "评委三", "  孙婉如 ");
  s.open();
  EXPECT_EQ(s.step1.Caption(), "Tallamo");
  EXPECT_EQ(s.field(0).Text(), "第六届“青岚杯”大学生辩论赛总决赛");
  EXPECT_EQ(s.field(4).Text(), motion) << "a long motion is read whole";
  EXPECT_EQ(s.field(7).Text(), "明湖理工大学");
  EXPECT_EQ(s.field(15).Text(), "许嘉宁");
  EXPECT_EQ(s.field(18).Text(), "  孙婉如 ");
  EXPECT_EQ(s.field(25).Text(), "");
  EXPECT_TRUE(s.field(0).hasFocus());
  EXPECT_TRUE(platform::user::screenshot(s.step1, testing_support::ScreenshotPath("settings-step1")));

  // Typing writes nothing; the save writes all 26 values as they stand.
  platform::user::focus(s.field(6));
  ASSERT_TRUE(platform::user::typeText(s.step1, "A"));
  EXPECT_EQ(s.stored(6), "青岚大学");
  s.field(16).setText("");
  s.field(25).setText("杨 帆");
  ASSERT_TRUE(click(s.step1.Command1));
  ASSERT_EQ(s.messages().size(), 1u);
  EXPECT_EQ(s.messages()[0].text, "数据保存成功！");
  EXPECT_EQ(s.messages()[0].caption, "Tallamo");
  EXPECT_EQ(s.stored(6), "A青岚大学") << "the caret stands at the start of a text set at load";
  EXPECT_EQ(s.stored(4), motion);
  EXPECT_EQ(s.stored(16), "");
  EXPECT_EQ(s.stored(18), "  孙婉如 ");
  EXPECT_EQ(s.stored(25), "杨 帆");
  EXPECT_TRUE(s.step1.visible());
  EXPECT_TRUE(s.field(6).hasFocus()) << "the message box's closing is no activation";

  // A save the system refuses is told, and the file stays as it was.
  const std::string file = platform::resolvePath(s.t.path("\\config\\BasicInfo.ini"));
  fs::permissions(file, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  const std::string before = *platform::readFileBytes(file);
  s.field(0).setText("改过的名称");
  ASSERT_TRUE(click(s.step1.Command1));
  ASSERT_EQ(s.messages().size(), 2u);
  EXPECT_EQ(s.messages()[1].text, "数据保存失败！");
  EXPECT_EQ(s.messages()[1].caption, "出错啦！");
  EXPECT_EQ(s.messages()[1].style, platform::mb::OKOnly | platform::mb::Critical);
  EXPECT_EQ(*platform::readFileBytes(file), before);
}

TEST(Step1, WithoutAFileTheFieldsAreEmptyAndTheSaveCreatesEveryKeyInOrder) {
  Session s(testing_support::Data::Empty);
  fs::create_directories(s.t.folder().path() / "config");
  s.open();
  for (int key = 0; key < 26; ++key) EXPECT_EQ(s.field(key).Text(), "") << key;
  s.field(0).setText("新赛事");
  ASSERT_TRUE(click(s.step1.Command1));
  EXPECT_EQ(s.messages().back().text, "数据保存成功！");
  std::string lines = "[辩论赛信息]\r\n辩论赛名称=新赛事\r\n";
  for (int key = 1; key < 26; ++key) lines += std::string(common::basic_ini::kKeys[key]) + "=\r\n";
  EXPECT_EQ(platform::fromGb18030(*platform::readFileBytes(s.t.path("\\config\\BasicInfo.ini"))), lines);
}

TEST(Step1, LeavingByAnyButtonSavesNothingAndTheEntranceComesBackAsItWas) {
  Session s;
  s.open();
  s.field(6).setText("未保存的队名");
  ASSERT_TRUE(click(s.step1.Command2));  // "下一步>>"
  auto& step2 = s.t.program().form7;
  EXPECT_TRUE(step2.visible());
  EXPECT_FALSE(s.step1.loaded());
  ASSERT_TRUE(click(step2.Command10));  // step 2's "<<上一步"
  EXPECT_EQ(s.field(6).Text(), "青岚大学");
  EXPECT_TRUE(s.field(0).hasFocus());

  // "<<上一步": the hidden entrance, not loaded again.
  s.entrance.Label2.setCaption("未重新载入");
  ASSERT_TRUE(click(s.step1.Command5));
  EXPECT_FALSE(s.step1.loaded());
  EXPECT_TRUE(s.entrance.visible());
  EXPECT_EQ(s.entrance.Label2.Caption(), "未重新载入");

  // "返回主界面": the console comes forward; the entrance stays hidden behind.
  ASSERT_TRUE(click(s.entrance.Command4));
  ASSERT_TRUE(click(s.step1.Command4));
  EXPECT_FALSE(s.step1.loaded());
  EXPECT_EQ(s.t.desktop().activeForm(), &s.console);
  EXPECT_TRUE(s.entrance.loaded());
  EXPECT_FALSE(s.entrance.visible());
  EXPECT_EQ(s.stored(6), "青岚大学");
  EXPECT_TRUE(s.messages().empty());
}
