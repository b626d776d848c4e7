// A private sound server for the tests of the real sound and music: PulseAudio with one null sink, in a
// temporary folder, started at the first use and stopped when the test program ends. This process, and
// the programs it starts, reach it through PULSE_SERVER; what reaches the sink is recorded from its
// monitor.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace testing_support {

class SoundServer {
 public:
  // The server of this test program, started before the first sound of the process is made. Check
  // running(): false where PulseAudio is not installed or did not start.
  static SoundServer& instance();
  // Stops the server of this test program, if it was started: before the program ends.
  static void shutDown();
  ~SoundServer();
  bool running() const;
  const std::string& failure() const { return failure_; }

  // Records what reaches the sink until stopRecording, which gives its loudness: the RMS of each
  // 10 ms, full scale being 1.
  void startRecording();
  std::vector<double> stopRecording();
  // The loudness of what has been recorded so far, while the recording goes on: one entry for each
  // 10 ms that has reached the sink, as stopRecording gives them.
  std::vector<double> loudnessSoFar() const;
  // A moment of the recording, and once it has stopped, the number of the 10 ms step of its loudness
  // that was heard at that moment. The clock is watched while the test's events are processed.
  std::int64_t now() const;
  std::size_t stepAt(std::int64_t moment) const;

 private:
  SoundServer();
  struct Impl;
  std::unique_ptr<Impl> d;
  std::string failure_;
};

// Milliseconds of sound (10 ms steps louder than `floor`) in a recording's loudness, and the longest
// quiet stretch between the first and the last of them.
int SoundMs(const std::vector<double>& loudness, double floor = 0.01);
int LongestGapMs(const std::vector<double>& loudness, double floor = 0.01);

// The bytes of a WAV file holding a 440 Hz tone: integer samples of 8, 16, 24 or 32 bits, or 32-bit
// floating point; the left (or only) channel at amplitude `left`, the right one at `right`; a plain
// or an extensible format chunk.
struct WaveSpec {
  int rate = 44100;
  int channels = 2;
  int bits = 16;
  bool floating = false;
  bool extensible = false;
  double seconds = 0.5;
  double left = 0.5;
  double right = 0.25;
};
std::string WaveBytes(const WaveSpec& spec);

}  // namespace testing_support
