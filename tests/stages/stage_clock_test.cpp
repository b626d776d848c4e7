// The stage clock's reading of limits, its display formats and the sound choices of the timer screens.
#include <gtest/gtest.h>

#include "common/config_names.h"
#include "common/sound.h"
#include "stages/stage_clock.h"
#include "support/test_program.h"

using stages::FormatClock;
using stages::ReadSeconds;

TEST(StageClock, LimitsBecomeCountsAndCountsBecomeClockTexts) {
  struct Row {
    const char* limit;
    std::optional<int> count;
    const char* format1;
    const char* format2;
  };
  const Row rows[] = {
      {"125", 125, "2分5秒", "125s"},    {"60", 60, "1分0秒", "60s"},
      {"59", 59, "0分59秒", "59s"},      {"90.5", 90, "1分30秒", "90s"},  // halves go to the even neighbour
      {"91.5", 92, "1分32秒", "92s"},    {"90s", 90, "1分30秒", "90s"},
      {" 30", 30, "0分30秒", "30s"},     {"", 0, "0分0秒", "0s"},
      {"abc", 0, "0分0秒", "0s"},        {"-1", -1, "0分-1秒", "-1s"},  // both parts carry the sign
      {"-5", -5, "0分-5秒", "-5s"},      {"-60", -60, "-1分0秒", "-60s"},
      {"-61", -61, "-1分-1秒", "-61s"},  {"32767", 32767, "546分7秒", "32767s"},
      {"32767.5", std::nullopt, "", ""},  // 32768 once made whole
      {"40000", std::nullopt, "", ""},   {"-32768", -32768, "-546分-8秒", "-32768s"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.limit);
    const auto count = ReadSeconds(r.limit);
    ASSERT_EQ(count.has_value(), r.count.has_value());
    if (!count) continue;
    EXPECT_EQ(*count, *r.count);
    EXPECT_EQ(FormatClock(*count, "1"), r.format1);
    EXPECT_EQ(FormatClock(*count, "2"), r.format2);
  }
  for (const char* other : {"", "3", "1 ", "s"}) EXPECT_FALSE(FormatClock(10, other)) << other;
}

TEST(StageClock, SoundChoicesAreReadAtEachCallAndCompareExactly) {
  testing_support::TestProgram t;
  auto& d = t.desktop();
  const std::string handoff = t.path(common::handoff_ini::kFile);
  const auto play = [&] {
    common::PlaySoundChoice(d, handoff, common::kSection, common::stage_ini::kTimeUpSound,
                            common::builtin::kTimeUpSound);
  };
  const auto playOrLeave = [&] {
    common::PlaySoundChoice(d, handoff, common::kSection, common::stage_ini::kTimeUpSound,
                            common::builtin::kTimeUpSound, common::OtherChoice::NoCall);
  };
  const auto set = [&](const char* key, const char* value) {
    t.writeIni(common::handoff_ini::kFile, "配置信息", key, value);
  };

  set("时间到提示音", "Default");
  play();
  set("时间到提示音", "default");
  play();
  set("时间到提示音", "None");
  play();
  set("时间到提示音", "User-Defined");
  play();  // the companion key is missing: an empty path
  set("自定义时间到提示音", "/home/user/ding.wav");
  play();
  set("时间到提示音", "Sound-1");
  playOrLeave();  // the announcement's variant makes no call for other words
  set("时间到提示音", "None");
  playOrLeave();

  const std::vector<std::string> expected{
      t.folder().str() + "\\sound\\Timeout\\Default.wav", "", "", "", "/home/user/ding.wav", ""};
  EXPECT_EQ(d.soundCalls(), expected);
}
