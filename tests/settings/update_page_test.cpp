// The text between two markers of the news and latest-version page.
#include "settings/update_page.h"

#include <gtest/gtest.h>

TEST(UpdatePage, GetBetweenTakesEverythingBetweenTheFirstOccurrencesOfTheMarkers) {
  using settings::GetBetween;
  struct Row {
    const char* text;
    const char* a;
    const char* b;
    const char* result;
  };
  const Row rows[] = {
      {"[*版本号*]4.0.3[*更新日期*]", "[*版本号*]", "[*更新日期*]", "4.0.3"},
      {"x[*版本号*] 4.0.3\r\n[*更新日期*]y", "[*版本号*]", "[*更新日期*]", " 4.0.3\r\n"},
      {"[*版本号*]甲[*更新日期*]乙[*版本号*]丙[*更新日期*]", "[*版本号*]", "[*更新日期*]", "甲"},
      {"版本号：测试版本号：", "版本号：", "：", ""},                  // b begins inside a
      {"[*更新日期*]x[*版本号*]y", "[*版本号*]", "[*更新日期*]", ""},  // b before a
      {"[*版本号*][*更新日期*]", "[*版本号*]", "[*更新日期*]", ""},
      {"[*版本号*]4.0.3", "[*版本号*]", "[*更新日期*]", ""},
      {"[*版本號*]4.0.3[*更新日期*]", "[*版本号*]", "[*更新日期*]", ""},                // another character
      {"[*Tallamo最新动态*]x[*发布日期*]", "[*tallamo最新动态*]", "[*发布日期*]", ""},  // letter case
      {"abc", "", "c", ""},
      {"abc", "a", "", ""},
      {"测一试", "测", "试", "一"},  // lengths in characters
  };
  for (const Row& r : rows) EXPECT_EQ(GetBetween(r.text, r.a, r.b), r.result) << r.text << " | " << r.a;
}

TEST(UpdatePage, AddressesLoseTheBlanksAroundThemOnly) {
  EXPECT_EQ(settings::TrimBlanks(" \t\r\n\xE3\x80\x80https://a.example.org/x y\r\n\xE3\x80\x80 "),
            "https://a.example.org/x y");
  EXPECT_EQ(settings::TrimBlanks(" \r\n "), "");
  EXPECT_EQ(settings::TrimBlanks(""), "");
}
