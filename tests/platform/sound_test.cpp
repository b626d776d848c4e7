// The real system sound and music: files of every common kind decoded into the output's format, hostile
// files refused, and real playback heard at the sink of a private sound server.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>

#include "platform/controls.h"
#include "platform/real_desktop.h"
#include "platform/sound_file.h"
#include "support/build_speed.h"
#include "support/sound_server.h"
#include "support/test_program.h"
#include "support/window_beat.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

namespace fs = std::filesystem;
using testing_support::WaveSpec;

void writeFile(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

double channelRms(const std::vector<float>& samples, int channels, int channel) {
  double sum = 0;
  std::size_t n = 0;
  // The middle half: clear of the edges of the conversion.
  const std::size_t frames = samples.size() / channels;
  for (std::size_t f = frames / 4; f < frames * 3 / 4; ++f, ++n)
    sum += double(samples[f * channels + channel]) * samples[f * channels + channel];
  return n ? std::sqrt(sum / double(n)) : 0;
}

// Runs the event loop until the condition holds or the time is up.
bool waitUntil(const std::function<bool()>& done, int ms) {
  QElapsedTimer clock;
  clock.start();
  QEventLoop loop;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    if (done() || clock.elapsed() > ms) loop.quit();
  });
  poll.start(10);
  loop.exec();
  return done();
}

void waitMs(int ms) {
  waitUntil([] { return false; }, ms);
}

// What follows a play is timed from the call where the speed is checked: the sound is heard at once.
// Elsewhere it is timed from the moment the sound is first heard, as a sanitized decode takes its time.
void TimeFromTheSound(testing_support::SoundServer& server) {
  if (testing_support::kChecksSpeed) return;
  EXPECT_TRUE(waitUntil([&] { return testing_support::SoundMs(server.loudnessSoFar()) > 0; }, 30000))
      << "the sound is heard";
}

}  // namespace

TEST(SoundFile, EveryCommonWaveFormatIsDecodedIntoTheOutputFormat) {
  testing_support::TempFolder folder;
  struct Kind {
    int bits;
    bool floating;
    bool extensible;
  };
  const Kind kinds[] = {{8, false, false},  {16, false, false}, {24, false, false}, {24, false, true},
                        {32, false, false}, {32, true, false},  {32, true, true}};
  for (const Kind& kind : kinds)
    for (int channels : {1, 2})
      for (int rate : {8000, 11025, 16000, 22050, 32000, 44100, 48000, 96000}) {
        WaveSpec spec{.rate = rate,
                      .channels = channels,
                      .bits = kind.bits,
                      .floating = kind.floating,
                      .extensible = kind.extensible,
                      .seconds = 0.25,
                      .left = 0.5,
                      .right = 0.25};
        const fs::path file = folder.path() / "tone.wav";
        writeFile(file, testing_support::WaveBytes(spec));
        const std::string what = std::to_string(kind.bits) + (kind.floating ? " float" : " int") +
                                 (kind.extensible ? " extensible " : " ") + std::to_string(channels) + "ch " +
                                 std::to_string(rate) + " Hz";
        const double right = channels == 2 ? spec.right : spec.left;

        const auto stereo = platform::decodeSoundFile(file.string(), 48000, 2);
        ASSERT_TRUE(stereo) << what;
        EXPECT_NEAR(double(stereo->size()), 0.25 * 48000 * 2, 8) << what;
        EXPECT_NEAR(channelRms(*stereo, 2, 0), spec.left / std::sqrt(2.0), 0.01) << what;
        EXPECT_NEAR(channelRms(*stereo, 2, 1), right / std::sqrt(2.0), 0.01) << what;

        const auto mono = platform::decodeSoundFile(file.string(), 44100, 1);
        ASSERT_TRUE(mono) << what;
        EXPECT_NEAR(double(mono->size()), 0.25 * 44100, 4) << what;
        EXPECT_NEAR(channelRms(*mono, 1, 0), (spec.left + right) / 2 / std::sqrt(2.0), 0.01) << what;
      }
}

TEST(SoundFile, HostileFilesGiveNothingAtOnceAndLongSoundsAreCut) {
  testing_support::TempFolder folder;
  const std::string wave = testing_support::WaveBytes({});
  std::string hugeData = wave;  // the data chunk claims 4 GB
  hugeData.replace(40, 4, "\xF0\xFF\xFF\xFF", 4);
  std::string noChannels = wave;
  noChannels.replace(22, 2, "\0\0", 2);
  const std::pair<const char*, std::string> files[] = {{"truncated.wav", wave.substr(0, 30)},
                                                       {"empty.wav", ""},
                                                       {"text.wav", "RIFF? no, just words\n"},
                                                       {"nochannels.wav", noChannels}};
  for (const auto& [name, bytes] : files) {
    writeFile(folder.path() / name, bytes);
    EXPECT_FALSE(platform::decodeSoundFile((folder.path() / name).string(), 48000, 2)) << name;
  }
  // A lying size gives what is there.
  writeFile(folder.path() / "huge.wav", hugeData);
  const auto lying = platform::decodeSoundFile((folder.path() / "huge.wav").string(), 48000, 2);
  EXPECT_TRUE(!lying || lying->size() <= std::size_t(0.5 * 48000 * 2 + 8));

  QElapsedTimer clock;
  clock.start();
  EXPECT_FALSE(platform::decodeSoundFile(folder.str(), 48000, 2)) << "a folder";
  EXPECT_FALSE(platform::decodeSoundFile("", 48000, 2));
  EXPECT_FALSE(platform::decodeSoundFile((folder.path() / "missing.wav").string(), 48000, 2));
  const fs::path big = folder.path() / "big.wav";
  writeFile(big, wave);
  fs::resize_file(big, platform::kLargestSoundFile + 1);
  EXPECT_FALSE(platform::decodeSoundFile(big.string(), 48000, 2)) << "larger than the limit";
#ifndef _WIN32
  const fs::path pipe = folder.path() / "pipe.wav";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_FALSE(platform::decodeSoundFile(pipe.string(), 48000, 2)) << "a pipe that nobody writes";
#endif
  EXPECT_LT(clock.elapsed(), 2000);

  const WaveSpec longest{
      .rate = 8000, .channels = 1, .bits = 8, .seconds = platform::kLongestSoundSeconds + 5.0};
  writeFile(folder.path() / "long.wav", testing_support::WaveBytes(longest));
  const auto cut = platform::decodeSoundFile((folder.path() / "long.wav").string(), 8000, 1);
  ASSERT_TRUE(cut);
  EXPECT_EQ(cut->size(), std::size_t(platform::kLongestSoundSeconds * 8000));
}

namespace {

class MusicWindow : public platform::Form {
 public:
  explicit MusicWindow(platform::Desktop& d) : platform::Form(d, "MusicWindow") {}
  platform::MediaPlayer WP{*this, "WP"};
};

class RealSound : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!server.running()) GTEST_SKIP() << server.failure();
  }
  testing_support::SoundServer& server = testing_support::SoundServer::instance();
  testing_support::TempFolder folder;
};

}  // namespace

TEST_F(RealSound, AWaveIsHeardAtTheSinkUntilTheNextCallCutsIt) {
  platform::RealDesktop desktop("Tallamo");
  const fs::path short32 = folder.path() / "short.wav";  // 32-bit integer stereo: not every player takes it
  writeFile(short32, testing_support::WaveBytes({.rate = 44100, .channels = 2, .bits = 32, .seconds = 0.5}));
  const fs::path long24 = folder.path() / "long.wav";
  writeFile(long24, testing_support::WaveBytes({.rate = 22050, .channels = 1, .bits = 24, .seconds = 2}));
  const fs::path truncated = folder.path() / "truncated.wav";
  writeFile(truncated, testing_support::WaveBytes({}).substr(0, 30));

  server.startRecording();
  desktop.playSound(short32.string());
  TimeFromTheSound(server);
  waitMs(900);
  const auto whole = server.stopRecording();
  EXPECT_GT(testing_support::SoundMs(whole), 400) << "the whole sound";
  EXPECT_LT(testing_support::SoundMs(whole), 700) << "once";

  server.startRecording();
  desktop.playSound(long24.string());
  TimeFromTheSound(server);
  waitMs(300);
  desktop.playSound("");
  waitMs(300);
  desktop.playSound(truncated.string());
  desktop.playSound(folder.str());
  waitMs(300);
  const auto cut = server.stopRecording();
  EXPECT_GT(testing_support::SoundMs(cut), 200);
  EXPECT_LT(testing_support::SoundMs(cut), 1000) << "cut off after about 300 ms, and nothing after";
}

TEST_F(RealSound, MusicAtFullVolumePlaysAgainEachTimeItEnds) {
  platform::RealDesktop desktop("Tallamo");
  const fs::path track = folder.path() / "track.wav";
  writeFile(track, testing_support::WaveBytes({.seconds = 0.4}));
  MusicWindow window(desktop);
  desktop.dispatch([&] { window.Show(); });  // a program without a window ends after its next event
  int ends = 0;
  std::vector<std::int64_t> starts;  // the moments of the recording at which each pass starts
  window.WP.PlayStateChange = [&](int state) {
    if (state != 1) return;
    starts.push_back(server.now());
    if (++ends < 6) window.WP.play();
  };
  ASSERT_TRUE(window.WP.setVolume(100));

  server.startRecording();
  starts.push_back(server.now());
  window.WP.setURL(track.string());
  EXPECT_TRUE(waitUntil([&] { return ends == 6; }, 10000));
  const auto heard = server.stopRecording();
  EXPECT_EQ(ends, 6);
  // Each pass is heard between its start and its end, whatever the machine's speed: of the pass before,
  // a step or two may be heard after its end.
  ASSERT_EQ(starts.size(), 7u);
  const auto at = [&](std::int64_t moment) {
    return heard.begin() + std::ptrdiff_t(std::min(server.stepAt(moment), heard.size()));
  };
  for (std::size_t pass = 0; pass < 6; ++pass) {
    const std::vector<double> during(at(starts[pass]), at(starts[pass + 1]));
    EXPECT_GE(testing_support::SoundMs(during), 100) << "pass " << pass + 1;
  }
  if (testing_support::kChecksSpeed) {
    EXPECT_GT(testing_support::SoundMs(heard), 6 * 400 * 8 / 10) << "each pass heard";
    EXPECT_LT(testing_support::LongestGapMs(heard), 400);
  }
  desktop.dispatch([&] { window.Unload(); });
}

// The program may be ended in the moment of a sound (a session's logout, the window manager closing
// the window as a stage's sound starts): it ends cleanly, at once after the sound, a little after, and
// while the sound is heard.
TEST_F(RealSound, AProgramEndedJustAfterASoundEndsCleanly) {
  const fs::path sound = folder.path() / "sound.wav";
  writeFile(sound, testing_support::WaveBytes({.seconds = 1}));
  for (const char* delayMs : {"0", "2", "50"}) {
    for (int run = 0; run < 10; ++run) {
      QProcess probe;
      probe.setProcessChannelMode(QProcess::ForwardedChannels);
      probe.start(QStringLiteral(TALLAMO_SOUND_END_PROBE), {QString::fromStdString(sound.string()), delayMs});
      ASSERT_TRUE(probe.waitForFinished(10000)) << "ended within 10 s";
      EXPECT_EQ(probe.exitStatus(), QProcess::NormalExit) << delayMs << " ms after the sound, run " << run;
      EXPECT_EQ(probe.exitCode(), 0);
    }
  }
}

// A long sound is decoded in the sound thread, once: the window's thread goes on at its beat while it
// is played, and a second play of the unchanged file takes the sound decoded before.
TEST_F(RealSound, ALongSoundNeverHoldsTheWindowAndIsDecodedOnceWhileItsFileIsUnchanged) {
  platform::RealDesktop desktop("Tallamo");
  const fs::path sound = folder.path() / "long.wav";
  const WaveSpec tone{.seconds = 100};
  writeFile(sound, testing_support::WaveBytes(tone));

  // The longest the window's thread is held while the sound is decoded and played, and how long it is
  // heard.
  constexpr int kPlayMs = 3000;
  const auto play = [&](bool sounds) {
    server.startRecording();
    testing_support::WindowBeat beat;
    waitMs(50);
    beat.reset();
    desktop.playSound(sound.string());
    if (sounds) TimeFromTheSound(server);
    waitMs(kPlayMs);
    const qint64 held = beat.longestHeldMs();
    desktop.playSound("");
    const int heard = testing_support::SoundMs(server.stopRecording());
    return std::pair{held, heard};
  };

  // The stream is open, as it is once the program has played its first sound.
  const fs::path opening = folder.path() / "opening.wav";
  writeFile(opening, testing_support::WaveBytes({.seconds = 0.1}));
  desktop.playSound(opening.string());
  waitMs(300);

  const auto [first, firstHeard] = play(true);
  if (testing_support::kChecksSpeed) {
    EXPECT_LE(first, 30) << "the first play, which decodes the file";
  }
  EXPECT_GT(firstHeard, 300);

  // The same size and time, but silence: a play that read the file again would be silent.
  const auto written = fs::last_write_time(sound);
  writeFile(sound, testing_support::WaveBytes({.seconds = tone.seconds, .left = 0, .right = 0}));
  fs::last_write_time(sound, written);
  const auto [second, secondHeard] = play(true);
  if (testing_support::kChecksSpeed) {
    EXPECT_LE(second, 30);
  }
  EXPECT_GT(secondHeard, kPlayMs - 500) << "the sound decoded before, at once";

  // A changed file is decoded again.
  fs::last_write_time(sound, written + std::chrono::seconds(1));
  EXPECT_EQ(play(false).second, 0);
}
