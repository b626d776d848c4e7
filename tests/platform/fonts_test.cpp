// Stored font names of the design's systems draw with installed CJK fonts.
#include <gtest/gtest.h>

#include "platform/runtime.h"

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
