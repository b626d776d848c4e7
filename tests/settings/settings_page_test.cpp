// Habits every settings page shares, on a page of the kind the wizard steps are: a path field that
// shows red when its file is missing, and a picker opened by a double-click that Cancel leaves without
// a trace.
#include <gtest/gtest.h>

#include "common/config_names.h"
#include "common/ini.h"
#include "common/marking.h"
#include "common/saving.h"
#include "settings/settings_page.h"
#include "support/test_program.h"

namespace {

// A picture field stored at once, as step 2's console picture is, and a sound combo.
class PicturePage : public platform::Form {
 public:
  explicit PicturePage(platform::Desktop& d) : platform::Form(d, "PicturePage") {
    Text6.DblClick = [this] { Text6_DblClick(); };
  }
  platform::TextBox Text6{*this, "Text6"};
  platform::ComboBox Cb1{*this, "Cb1"};
  platform::CommonDialog Cg1{*this, "Cg1"};

  std::string File() const { return desktop().programPath(common::main_ini::kFile); }

 protected:
  void build() override {
    Text6.Move(120, 120, 4000, 375);
    Text6.setLocked(true);
    Text6.setToolTipText("双击此处更换图片");
    Cb1.Move(120, 1200, 2000, 300);
    for (const char* choice : {"Default", "None", "User-Defined"}) Cb1.AddItem(choice);
  }
  void Form_Load() override {
    const std::string path = common::ReadIni(File(), common::kSection, common::main_ini::kPicture);
    Text6.setText(path);
    common::MarkMissingFile(Text6, path);
    Cb1.setText("User-Defined");
    common::MarkMissingFile(Cb1, path);
  }

 private:
  void Text6_DblClick() {
    const auto file = settings::PickFile(Cg1, settings::kFilterPicture);
    if (!file) return;
    Text6.setText(*file);
    Text6.setForeColor(platform::colour::Black);
    common::WriteIniAtOnce(desktop(), File(), common::kSection, common::main_ini::kPicture, *file);
  }
};

struct Session {
  testing_support::TestProgram t;
  PicturePage page{t.desktop()};
  std::string stored() const { return t.readIni("\\config\\main.ini", "配置信息", "背景图片"); }
  void open() {
    page.Unload();
    page.Show();
  }
};

}  // namespace

TEST(SettingsPage, APathFieldIsRedWhenItsFileIsNotFound) {
  Session s;
  struct Row {
    std::string path;
    std::int32_t colour;
  };
  const Row rows[] = {
      {"background\\main.jpg", 0},  // shipped, relative to the program folder
      {"BACKGROUND\\Main.JPG", 0},
      {s.t.path("\\background\\tw.jpg"), 0},
      {"background\\gone.jpg", 255},
      {"background", 255},  // a folder
      {"", 255},
      {"\x81\xFF:*?", 255},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.path);
    s.t.writeIni("\\config\\main.ini", "配置信息", "背景图片", r.path);
    s.open();
    EXPECT_EQ(s.page.Text6.ForeColor(), r.colour);
    EXPECT_EQ(s.page.Cb1.ForeColor(), r.colour);
  }
}

TEST(SettingsPage, APickedFileTurnsTheFieldBlackAndCancelLeavesNoTrace) {
  Session s;
  s.t.writeIni("\\config\\main.ini", "配置信息", "背景图片", "background\\gone.jpg");
  s.open();
  ASSERT_EQ(s.page.Text6.ForeColor(), 255);

  s.t.desktop().cancelFileDialog();
  ASSERT_TRUE(platform::user::doubleClick(s.page.Text6));
  const auto& request = s.t.desktop().fileDialogs().back();
  EXPECT_EQ(request.filter, "JPG文件(*.jpg)|*.jpg|位图文件(*.bmp)|*.bmp|");
  EXPECT_EQ(request.filterIndex, 1);
  EXPECT_EQ(request.flags, 4);
  EXPECT_EQ(s.page.Text6.Text(), "background\\gone.jpg");
  EXPECT_EQ(s.page.Text6.ForeColor(), 255);
  EXPECT_EQ(s.stored(), "background\\gone.jpg");

  const std::string picked = s.t.path("\\background\\cite.jpg");
  s.t.desktop().answerFileDialog(picked);
  ASSERT_TRUE(platform::user::doubleClick(s.page.Text6));
  EXPECT_EQ(s.page.Text6.Text(), picked);
  EXPECT_EQ(s.page.Text6.ForeColor(), 0);
  EXPECT_EQ(s.stored(), picked);
  EXPECT_TRUE(s.t.desktop().messages().empty()) << "a stored value is not announced";

  // The dialog starts from the last file while the page stays open.
  ASSERT_TRUE(platform::user::doubleClick(s.page.Text6));
  EXPECT_EQ(s.t.desktop().fileDialogs().back().fileName, picked);
}
