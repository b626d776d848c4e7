// Stored font names of the design's systems draw with installed CJK fonts.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QWidget>

#include "platform/runtime.h"
#include "platform/scripted_desktop.h"
#include "platform/text_box.h"
#include "support/test_program.h"

TEST(Fonts, StoredChineseFontNamesDrawWithInstalledCjkFonts) {
  const std::pair<const char*, const char*> table[] = {
      {"宋体", "Noto Serif CJK SC"}, {"楷体_GB2312", "AR PL UKai CN"}, {"华文行楷", "AR PL UKai CN"},
      {"黑体", "Noto Sans CJK SC"},  {"微软雅黑", "Noto Sans CJK SC"},
  };
  for (const auto& [stored, drawnWith] : table)
    EXPECT_EQ(platform::substituteFontFamily(stored), drawnWith) << stored;
  EXPECT_EQ(platform::substituteFontFamily("DejaVu Sans"), "DejaVu Sans")
      << "other names are left to the system";
}

namespace {

class ReportWindow : public platform::Form {
 public:
  explicit ReportWindow(platform::Desktop& d) : platform::Form(d, "ReportWindow") {}
  platform::TextBox Text1{*this, "Text1"};
  platform::TextBox Text2{*this, "Text2"};

 protected:
  void build() override {
    Text1.setMultiLine(true);
    Text1.setFontSize(10.5);
    Text1.Move(0, 0, 6000, 3000);
    Text2.setFontName("楷体_GB2312");
    Text2.Move(0, 3000, 6000, 300);
  }
};

}  // namespace

// Texts in boxes are laid out with blanks: in 宋体 and 黑体 two blanks, two Latin letters or two digits
// are as wide as one Chinese character, as on the design's systems, so that a line of 76 of them is
// as wide as 38 Chinese characters, to the pixel.
TEST(Fonts, TextBoxesIn宋体And黑体LineUpBlanksWithChineseCharacters) {
  testing_support::TempFolder folder;
  platform::ScriptedDesktop desktop("Test", folder.str(), folder.str());
  ReportWindow window(desktop);
  desktop.dispatch([&] { window.Show(); });
  for (const char* name : {"宋体", "黑体"}) {
    SCOPED_TRACE(name);
    window.Text1.setFontName(name);
    const QFontMetricsF metrics(window.Text1.widget()->font());
    const qreal cjk = metrics.horizontalAdvance(QString(38, QChar(0x62A5)));  // 报
    EXPECT_GT(cjk, 38 * 10);
    for (const char half : {' ', '_', 'a', 'W', '0', '/'})
      EXPECT_NEAR(metrics.horizontalAdvance(QString(76, QChar::fromLatin1(half))), cjk, 1.0) << half;
    EXPECT_NEAR(metrics.horizontalAdvance(QString(38, QChar(0xFF1A))), cjk, 1.0);  // ：
  }
  EXPECT_EQ(window.Text2.font().name, "楷体_GB2312") << "the stored name stays";
  window.Unload();
}
