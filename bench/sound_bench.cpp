// How soon a sound is heard after the program asks for it, on the real desktop's system sound.
//
// Plays a sound file through the real desktop a number of times, 1.5 s apart so that each starts on a
// silent stream, while PulseAudio's `parec` records the monitor of the default sink with 1 ms of
// latency. For each call the onset is the time from the call to the first sample at the sink louder
// than -40 dBFS, less the time that the file itself takes to get that loud. The first sound also opens
// the stream and is reported apart. Needs a running PulseAudio server (PULSE_SERVER names another one).
//
//   sound_bench [--sounds N] [--file PATH]
//
// The file is the warning sound of the program folder beside the bench unless given. The last line is for
// scripts:
//   sound_bench sounds=10 first_ms=9.1 median_ms=1.2 worst_ms=2.3
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/real_desktop.h"
#include "platform/runtime.h"
#include "platform/sound_file.h"

#ifndef _WIN32
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

using Clock = std::chrono::steady_clock;

namespace {

constexpr int kRate = 48000;
constexpr double kLoud = 0.01;  // -40 dBFS

double msBetween(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double, std::milli>(to - from).count();
}

// The sink's monitor as it comes: each sample above kLoud with the time it reached the sink.
class Recorder {
 public:
  Recorder() {
    int ends[2];
    if (pipe(ends) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      dup2(ends[1], STDOUT_FILENO);
      close(ends[0]);
      close(ends[1]);
      execlp("parec", "parec", "--device=@DEFAULT_MONITOR@", "--format=s16le", "--rate=48000", "--channels=1",
             "--latency-msec=1", "--raw", static_cast<char*>(nullptr));
      _exit(127);
    }
    close(ends[1]);
    fd_ = ends[0];
    if (pid_ > 0) reader_ = std::thread([this] { read(); });
  }
  ~Recorder() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
      reader_.join();
    }
    if (fd_ >= 0) close(fd_);
  }
  bool running() const { return pid_ > 0; }
  // The time of the first loud sample at or after `from`, if one came.
  std::optional<Clock::time_point> firstLoud(Clock::time_point from) {
    std::lock_guard lock(mutex_);
    for (const Clock::time_point t : loud_)
      if (t >= from) return t;
    return std::nullopt;
  }

 private:
  void read() {
    std::int16_t block[96];  // 2 ms
    for (;;) {
      const ssize_t got = ::read(fd_, block, sizeof block);
      const Clock::time_point arrived = Clock::now();
      if (got <= 0) break;
      const std::size_t n = std::size_t(got) / 2;
      std::lock_guard lock(mutex_);
      for (std::size_t i = 0; i < n; ++i)
        if (std::abs(block[i]) > kLoud * 32768)
          loud_.push_back(arrived - std::chrono::microseconds((n - i) * 1000000 / kRate));
    }
  }
  pid_t pid_ = -1;
  int fd_ = -1;
  std::thread reader_;
  std::mutex mutex_;
  std::vector<Clock::time_point> loud_;
};

}  // namespace
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
  (void)argc;
  (void)argv;
  std::fprintf(stderr, "sound_bench records through PulseAudio and runs where it does\n");
  return 2;
#else
  int sounds = 10;
  std::string file;
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--sounds") && i + 1 < argc)
      sounds = std::max(2, std::atoi(argv[++i]));
    else if (!std::strcmp(argv[i], "--file") && i + 1 < argc)
      file = argv[++i];
  }
  platform::Runtime runtime(argc, argv);
  platform::RealDesktop desktop("sound_bench");
  if (file.empty()) file = desktop.programPath("\\sound\\Warn\\Default.wav");
  const auto samples = platform::decodeSoundFile(file, kRate, 1);
  if (!samples) {
    std::fprintf(stderr, "cannot decode %s\n", file.c_str());
    return 2;
  }
  const auto lead =
      std::find_if(samples->begin(), samples->end(), [](float s) { return std::abs(s) > kLoud; });
  const double leadMs = double(lead - samples->begin()) * 1000.0 / kRate;

  Recorder recorder;
  if (!recorder.running()) {
    std::fprintf(stderr, "parec did not start\n");
    return 2;
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  std::vector<Clock::time_point> calls;
  for (int i = 0; i < sounds; ++i) {
    calls.push_back(Clock::now());
    desktop.playSound(file);
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
  }
  std::vector<double> onsets;
  for (const Clock::time_point call : calls) {
    const auto heard = recorder.firstLoud(call);
    onsets.push_back(heard ? msBetween(call, *heard) - leadMs : -1);
    std::fprintf(stderr, "onset %.1f ms\n", onsets.back());
  }
  if (std::count(onsets.begin(), onsets.end(), -1.0)) {
    std::fprintf(stderr, "a sound was not heard\n");
    return 1;
  }
  std::vector<double> later(onsets.begin() + 1, onsets.end());
  std::sort(later.begin(), later.end());
  std::printf("sound_bench sounds=%d first_ms=%.1f median_ms=%.1f worst_ms=%.1f\n", sounds, onsets.front(),
              later[later.size() / 2], later.back());
  return 0;
#endif
}
