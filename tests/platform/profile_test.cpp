#include "platform/profile.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "platform/files.h"
#include "support/disk_full.h"

namespace {

namespace fs = std::filesystem;

// GB18030 bytes, spelled out so that the encoding on disk is checked independently of the converter.
const std::string kSectionBytes = "\xC5\xE4\xD6\xC3\xD0\xC5\xCF\xA2";  // 配置信息
const std::string kNameBytes = "\xC3\xFB\xB3\xC6";                     // 名称
const std::string kEmojiBytes = "\x94\x39\xFC\x36";                    // 😀, outside GBK

class ProfileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static std::atomic<int> counter = 0;
    root_ = fs::temp_directory_path() /
            ("profile_test_" + std::to_string(std::random_device()()) + "_" + std::to_string(counter++));
    fs::create_directories(root_ / "config");
  }
  void TearDown() override {
    std::error_code ignored;
    for (const auto& entry : fs::recursive_directory_iterator(root_, ignored)) {
      fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add, ignored);
    }
    fs::remove_all(root_, ignored);
  }

  std::string path(const std::string& relative) const { return (root_ / relative).string(); }
  void put(const std::string& relative, const std::string& bytes) const {
    std::ofstream(root_ / relative, std::ios::binary) << bytes;
  }
  std::string bytes(const std::string& relative) const {
    std::ifstream in(root_ / relative, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  fs::path root_;
};

TEST_F(ProfileTest, ReadsValuesByTheFormatsRules) {
  put("config/main.ini",
      "top=outside any section\r\n"
      "[Main]\r\n"
      "; a comment\r\n"
      "  Volume  = 50\r\n"
      "Blank=\r\n"
      "Spaced= a b \r\n"
      "Url=http://x/?a=1&b=2\r\n"
      "volume=second key of the same name\r\n"
      "\r\n"
      "[ " +
          kSectionBytes + " ]\r\n" + kNameBytes + "=" + kNameBytes + kEmojiBytes +
          "\r\n"
          "[\x81\x5D]\r\n"  // 乚: its second byte is ']'
          "k=bracket section\r\n"
          "[main]\r\n"
          "Volume=second section of the same name\r\n"
          "Other=hidden by the first [Main]\r\n"
          "[Unix]\n"
          "lf=line ends\n"
          "last=no line end");
  struct Case {
    const char* section;
    const char* key;
    const char* expected;
  };
  const Case cases[] = {
      {"Main", "Volume", " 50"},
      {"MAIN", "VOLUME", " 50"},
      {"Main", "Blank", ""},
      {"Main", "Spaced", " a b "},
      {"Main", "Url", "http://x/?a=1&b=2"},
      {"Main", "Other", ""},
      {"Main", "top", ""},
      {"Main", "missing", ""},
      {"Missing", "Volume", ""},
      {"配置信息", "名称", "名称😀"},
      {"乚", "k", "bracket section"},
      {"unix", "LF", "line ends"},
      {"unix", "last", "no line end"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(platform::profile::read(path("config/main.ini"), c.section, c.key), c.expected)
        << "[" << c.section << "] " << c.key;
  }
  EXPECT_EQ(platform::profile::read(path("config/none.ini"), "Main", "Volume"), "");
  EXPECT_EQ(platform::profile::read(root_.string() + "\\CONFIG\\Main.INI", "main", "volume"), " 50");
}

TEST_F(ProfileTest, ReplacesAValueInPlaceKeepingEveryOtherByte) {
  const std::string before =
      "; kept\r\n[A]\r\n  Key\t= old value\r\nodd \x81\x30 bytes=\xFF\r\n\r\n[B]\r\nKey=b\nlast";
  put("config/a.ini", before);
  ASSERT_TRUE(platform::profile::write(path("config/a.ini"), "a", "KEY", "new"));
  EXPECT_EQ(bytes("config/a.ini"),
            "; kept\r\n[A]\r\n  Key\t=new\r\nodd \x81\x30 bytes=\xFF\r\n\r\n[B]\r\nKey=b\nlast");
}

TEST_F(ProfileTest, AppendsKeysAndSectionsAndCreatesFiles) {
  put("config/a.ini", "[A]\r\nx=1\r\n\r\n[B]\r\ny=2");
  ASSERT_TRUE(platform::profile::write(path("config/a.ini"), "A", "z", "3"));
  ASSERT_TRUE(platform::profile::write(path("config/a.ini"), "B", "w", "4"));
  ASSERT_TRUE(platform::profile::write(path("config/a.ini"), "C", "v", "5"));
  EXPECT_EQ(bytes("config/a.ini"), "[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2\r\nw=4\r\n[C]\r\nv=5\r\n");

  put("config/lf.ini", "[A]\n");
  ASSERT_TRUE(platform::profile::write(path("config/lf.ini"), "A", "k", "v"));
  EXPECT_EQ(bytes("config/lf.ini"), "[A]\nk=v\n");

  ASSERT_TRUE(platform::profile::write(path("config/new.ini"), "配置信息", "名称", ""));
  EXPECT_EQ(bytes("config/new.ini"), "[" + kSectionBytes + "]\r\n" + kNameBytes + "=\r\n");
  EXPECT_EQ(platform::profile::read(path("config/new.ini"), "配置信息", "名称"), "");

  EXPECT_FALSE(platform::profile::write(path("missing/new.ini"), "A", "k", "v"));
  EXPECT_FALSE(fs::exists(root_ / "missing"));
}

TEST_F(ProfileTest, MatchesPathsIgnoringCaseAndKeepsSpellingOfExistingFolders) {
  put("config/main.ini", "[Main]\r\nk=old\r\n");
  const std::string other = root_.string() + "\\CONFIG\\Main.INI";
  ASSERT_TRUE(platform::profile::write(other, "MAIN", "K", "new"));
  EXPECT_EQ(bytes("config/main.ini"), "[Main]\r\nk=new\r\n");

  ASSERT_TRUE(platform::profile::write(root_.string() + "\\Config\\Theme.ini", "s", "k", "v"));
  EXPECT_TRUE(fs::exists(root_ / "config" / "Theme.ini"));
  EXPECT_EQ(platform::resolvePath(root_.string() + "\\CONFIG\\Tache\\1.ini"), path("config/Tache/1.ini"));

  EXPECT_TRUE(platform::fileExists(other));
  EXPECT_FALSE(platform::fileExists(root_.string() + "\\CONFIG"));
  EXPECT_FALSE(platform::fileExists(""));
  EXPECT_TRUE(platform::folderExists(root_.string() + "\\CONFIG"));
}

TEST_F(ProfileTest, StoresTextAsGb18030AndReadsItBackExactly) {
  const std::string value = "名称 😀 " + std::string(120, 'x');
  ASSERT_TRUE(platform::profile::write(path("config/a.ini"), "配置信息", "名称", value));
  EXPECT_EQ(bytes("config/a.ini"), "[" + kSectionBytes + "]\r\n" + kNameBytes + "=" + kNameBytes + " " +
                                       kEmojiBytes + " " + std::string(120, 'x') + "\r\n");
  EXPECT_EQ(platform::profile::read(path("config/a.ini"), "配置信息", "名称"), value);
  EXPECT_EQ(platform::fromGb18030(platform::toGb18030(value)), value);

  for (const std::string text : {" a b ", "x=y=z", "[B]"}) {
    ASSERT_TRUE(platform::profile::write(path("config/a.ini"), "A", "k", text));
    EXPECT_EQ(platform::profile::read(path("config/a.ini"), "A", "k"), text);
  }
}

TEST_F(ProfileTest, ALineBreakInAValueIsStoredAsOneBlank) {
  ASSERT_TRUE(platform::profile::write(path("config/a.ini"), "A", "k", "1\r\nb=2\n[C]\rc=3"));
  EXPECT_EQ(platform::profile::read(path("config/a.ini"), "A", "k"), "1 b=2 [C] c=3");
  EXPECT_EQ(platform::profile::read(path("config/a.ini"), "A", "b"), "");
  EXPECT_EQ(platform::profile::read(path("config/a.ini"), "C", "c"), "");
  EXPECT_EQ(bytes("config/a.ini"), "[A]\r\nk=1 b=2 [C] c=3\r\n");
}

TEST_F(ProfileTest, AReadOnlyFileStaysUnchangedAndAReplacedFileKeepsItsPermissions) {
  put("config/ro.ini", "[A]\r\nk=old\r\n");
  fs::permissions(root_ / "config/ro.ini", fs::perms::owner_read | fs::perms::group_read);
  EXPECT_FALSE(platform::profile::write(path("config/ro.ini"), "A", "k", "new"));
  EXPECT_FALSE(platform::profile::write(path("config/ro.ini"), "A", "other", "new"));
  EXPECT_EQ(bytes("config/ro.ini"), "[A]\r\nk=old\r\n");

  const fs::perms mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
  put("config/rw.ini", "[A]\r\nk=old\r\n");
  fs::permissions(root_ / "config/rw.ini", mode);
  ASSERT_TRUE(platform::profile::write(path("config/rw.ini"), "A", "k", "new"));
  EXPECT_EQ(fs::status(root_ / "config/rw.ini").permissions(), mode);
  EXPECT_EQ(fs::status(root_ / "config/ro.ini").permissions(), fs::perms::owner_read | fs::perms::group_read);
}

TEST_F(ProfileTest, ALoneCarriageReturnEndsALine) {
  put("config/cr.ini", "[A]\rk0=v0\r");
  ASSERT_TRUE(platform::profile::write(path("config/cr.ini"), "A", "k", "v"));
  EXPECT_EQ(platform::profile::read(path("config/cr.ini"), "A", "k0"), "v0");
  EXPECT_EQ(platform::profile::read(path("config/cr.ini"), "A", "k"), "v");
  EXPECT_EQ(bytes("config/cr.ini"), "[A]\rk0=v0\rk=v\r\n") << "the file's own bytes stay as they were";

  put("config/mixed.ini", "[A]\r\na=1\rb=2\nc=3");
  ASSERT_TRUE(platform::profile::write(path("config/mixed.ini"), "A", "b", "two"));
  EXPECT_EQ(bytes("config/mixed.ini"), "[A]\r\na=1\rb=two\nc=3");
  EXPECT_EQ(platform::profile::read(path("config/mixed.ini"), "A", "a"), "1");
  EXPECT_EQ(platform::profile::read(path("config/mixed.ini"), "A", "c"), "3");
}

#ifndef _WIN32
TEST_F(ProfileTest, AWriteThatCannotBeStoredWholeLeavesTheFileAsItWas) {
  const std::string before = "[A]\r\nk=old\r\n";
  put("config/a.ini", before);
  {
    testing_support::DiskFull full(8);
    ASSERT_TRUE(full.active());
    EXPECT_FALSE(platform::profile::write(path("config/a.ini"), "A", "k", "a longer value"));
    EXPECT_FALSE(platform::profile::write(path("config/new.ini"), "A", "k", "a longer value"));
    EXPECT_FALSE(platform::writeFileAtomically(path("config/a.ini"), std::string(100000, 'x')));
  }
  EXPECT_EQ(bytes("config/a.ini"), before);
  EXPECT_FALSE(fs::exists(root_ / "config/new.ini"));
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(root_ / "config")) names.push_back(entry.path().filename());
  EXPECT_EQ(names, std::vector<std::string>{"a.ini"}) << "no temporary file is left behind";

  ASSERT_TRUE(platform::profile::write(path("config/a.ini"), "A", "k", "new"));
  EXPECT_EQ(bytes("config/a.ini"), "[A]\r\nk=new\r\n");
}
#endif

TEST_F(ProfileTest, AWriteRemovesTheTemporaryFilesOfAnInterruptedWriteOfTheSameFile) {
  put("config/a.ini", "[A]\r\nk=old\r\n");
  put("config/a.ini.tallamo-write-Xy12Ab", "[A]\r\nk=cut");
  put("config/b.ini.tallamo-write-Qr34Cd", "another file's");
  put("config/a.ini.bak", "the user's own");
  ASSERT_TRUE(platform::profile::write(path("config/a.ini"), "A", "k", "new"));
  EXPECT_FALSE(fs::exists(root_ / "config/a.ini.tallamo-write-Xy12Ab"));
  EXPECT_TRUE(fs::exists(root_ / "config/b.ini.tallamo-write-Qr34Cd"));
  EXPECT_TRUE(fs::exists(root_ / "config/a.ini.bak"));
  EXPECT_EQ(bytes("config/a.ini"), "[A]\r\nk=new\r\n");
}

}  // namespace
