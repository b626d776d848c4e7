// Background music as a window other than the awards page plays it: no "Sound-1", and a volume bar
// that starts at 0.
#include <gtest/gtest.h>

#include "common/ini.h"
#include "common/music.h"
#include "platform/controls.h"
#include "platform/scripted_desktop.h"
#include "support/test_program.h"

namespace {

class MusicWindow : public platform::Form {
 public:
  MusicWindow(platform::Desktop& d, std::string file) : platform::Form(d, "Music"), file_(std::move(file)) {
    HS1.Change = [this] { common::StoreVolume(HS1, WP, file_); };
  }
  platform::ScrollBar HS1{*this, "HS1", false};
  platform::MediaPlayer WP{*this, "WP"};
  void play() { common::PlayBackgroundMusic(WP, file_, "sound\\result\\BgMusic.mp3"); }

 protected:
  void build() override {
    HS1.setRange(0, 100);
    HS1.Move(0, 0, 2415, 255);
  }
  void Form_Load() override { common::RestoreVolume(HS1, WP, file_); }

 private:
  std::string file_;
};

}  // namespace

TEST(BackgroundMusic, AWindowWithoutASecondTuneKeepsPlayingAtSound1) {
  testing_support::TestProgram t;
  const std::string file = t.path("\\config\\Result.ini");
  common::WriteIni(file, "配置信息", "音量大小", "");
  MusicWindow w(t.desktop(), file);
  t.desktop().dispatch([&] { w.Show(); });
  EXPECT_EQ(w.HS1.Value(), 0) << "a window whose bar starts at 0 stays silent without a stored volume";
  EXPECT_EQ(w.WP.volume(), 0);

  common::WriteIni(file, "配置信息", "背景音乐", "Default");
  w.play();
  const std::string tune = t.folder().str() + "\\sound\\result\\BgMusic.mp3";
  EXPECT_EQ(w.WP.URL(), tune);
  common::WriteIni(file, "配置信息", "背景音乐", "Sound-1");
  w.play();
  EXPECT_EQ(w.WP.URL(), tune) << "not a choice of this window";
  EXPECT_TRUE(dynamic_cast<platform::ScriptedMedia*>(w.WP.backend())->playing());
}
