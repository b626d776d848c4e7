// How closely the single-clock screen keeps time on the real window system.
//
// Runs the program's own Form17 on the real desktop (offscreen), counting down a Mode-1 stage, and
// notes when each tick has shown its count. Tick k should land at start + k × 1000 ms; the report
// gives the worst and the mean lateness and the lateness of the last tick (the drift over the run).
// With --busy a second process burns a core while the clock runs.
//
//   clock_bench [--seconds N] [--busy] [--verbose] [--data FOLDER]
//
// --verbose lists every tick's lateness on the error output.
//
// The last line is for scripts:
//   clock_bench seconds=600 busy=0 worst_ms=1.234 mean_ms=0.456 drift_ms=0.789 ok=1
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/program.h"
#include "common/config_names.h"
#include "common/ini.h"
#include "common/program.h"
#include "platform/real_desktop.h"
#include "platform/runtime.h"

#ifdef _WIN32
#include <process.h>
#include <stdlib.h>

#include <atomic>
#include <thread>
#else
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#ifdef __linux__
#include <sys/prctl.h>
#endif
#endif

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

constexpr double kWorstTargetMs = 17;
constexpr double kDriftTargetMs = 20;

struct Options {
  int seconds = 600;
  bool busy = false;
  bool verbose = false;
  std::string data;
};

[[noreturn]] void Usage(const char* problem) {
  std::fprintf(stderr,
               "clock_bench: %s\nusage: clock_bench [--seconds N] [--busy] [--verbose] [--data FOLDER]\n",
               problem);
  std::exit(2);
}

Options ParseOptions(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--busy") {
      o.busy = true;
    } else if (arg == "--verbose") {
      o.verbose = true;
    } else if (arg == "--seconds" && i + 1 < argc) {
      char* end = nullptr;
      const long n = std::strtol(argv[++i], &end, 10);
      if (*end != '\0' || n < 1 || n > 32767) Usage("--seconds takes a whole number from 1 to 32767");
      o.seconds = static_cast<int>(n);
    } else if (arg == "--data" && i + 1 < argc) {
      o.data = argv[++i];
    } else {
      Usage(("unknown argument " + arg).c_str());
    }
  }
  return o;
}

// The program folder that the build lays out beside the executables.
fs::path DefaultDataFolder(const char* argv0) {
  std::error_code ec;
  fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (ec) self = fs::absolute(argv0, ec);
  return self.parent_path();
}

void SetEnv(const char* name, const std::string& value) {
#ifdef _WIN32
  _putenv_s(name, value.c_str());
#else
  setenv(name, value.c_str(), 1);
#endif
}

long ProcessId() {
#ifdef _WIN32
  return _getpid();
#else
  return static_cast<long>(getpid());
#endif
}

// A second process (a thread on Windows) that keeps one core busy until stopped.
class Burner {
 public:
  Burner() {
#ifdef _WIN32
    thread_ = std::thread([this] {
      volatile unsigned long long n = 0;
      while (!stop_.load(std::memory_order_relaxed)) n = n + 1;
    });
#else
    child_ = fork();
    if (child_ == 0) {
#ifdef __linux__
      prctl(PR_SET_PDEATHSIG, SIGKILL);  // never outlives the benchmark
#endif
      volatile unsigned long long n = 0;
      for (;;) n = n + 1;
    }
    if (child_ < 0) std::perror("clock_bench: fork");
#endif
  }
  ~Burner() {
#ifdef _WIN32
    stop_ = true;
    thread_.join();
#else
    if (child_ > 0) {
      kill(child_, SIGKILL);
      waitpid(child_, nullptr, 0);
    }
#endif
  }
  Burner(const Burner&) = delete;
  Burner& operator=(const Burner&) = delete;

 private:
#ifdef _WIN32
  std::atomic<bool> stop_{false};
  std::thread thread_;
#else
  pid_t child_ = -1;
#endif
};

}  // namespace

int main(int argc, char** argv) {
  const Options options = ParseOptions(argc, argv);
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) SetEnv("QT_QPA_PLATFORM", "offscreen");

  // A program folder of our own, made from the shipped data.
  const fs::path data = options.data.empty() ? DefaultDataFolder(argv[0]) : fs::path(options.data);
  if (!fs::is_directory(data / "config")) Usage(("no program data in " + data.string()).c_str());
  const fs::path folder = fs::temp_directory_path() / ("tallamo-clock-bench-" + std::to_string(ProcessId()));
  fs::remove_all(folder);
  fs::create_directories(folder);
  for (const char* sub : {"config", "sound", "background", "element"})
    if (fs::exists(data / sub)) fs::copy(data / sub, folder / sub, fs::copy_options::recursive);
  SetEnv("TALLAMO_PROGRAM_FOLDER", folder.string());

  platform::Runtime runtime(argc, argv);
  std::vector<Clock::time_point> shown;
  shown.reserve(static_cast<std::size_t>(options.seconds));
  Clock::time_point started;
  {
    platform::RealDesktop desktop(common::kProgramTitle);
    tallamo::Program program(desktop);
    auto& screen = program.form17;

    // The stage: a Mode-1 clock in seconds, warning 30 s before the end, no sounds.
    const std::string handoff = desktop.programPath(common::handoff_ini::kFile);
    namespace key = common::stage_ini;
    const std::pair<const char*, std::string> stage[] = {
        {key::kDisplayFormat, "2"},
        {common::handoff_ini::kName, "clock_bench"},
        {key::kLimit, std::to_string(options.seconds)},
        {key::kWarningPoint, "30"},
        {key::kWarningSound, "None"},
        {key::kTimeUpSound, "None"},
        {key::kFontName, "黑体"},
        {key::kFontSize, "150"},
        {key::kBold, "Y"},
        {key::kItalic, "N"},
        {key::kNormalColour, "16777215"},
        {key::kPicture, ""},
        {key::kBackColour, "5514252"},
        {key::kWarningColour, "52479"},
        {key::kMode, key::kMode1},
    };
    for (const auto& [name, value] : stage)
      if (!common::WriteIniChecked(handoff, common::kSection, name, value))
        Usage(("cannot write " + handoff).c_str());

    // Each tick is timed once it has shown its count.
    auto tick = screen.Timer1.Tick;
    std::string last;
    screen.Timer1.Tick = [&, tick] {
      tick();
      const auto now = Clock::now();
      if (screen.Label2.Caption() == last) std::fprintf(stderr, "clock_bench: a tick changed nothing\n");
      last = screen.Label2.Caption();
      shown.push_back(now);
      if (static_cast<int>(shown.size()) == options.seconds) platform::Runtime::quit();
    };

    desktop.dispatch([&] { screen.Show(); });
    last = screen.Label2.Caption();
    std::fprintf(stderr, "clock_bench: %d s, %s\n", options.seconds, options.busy ? "busy" : "idle");
    {
      std::unique_ptr<Burner> burner;
      if (options.busy) burner = std::make_unique<Burner>();
      desktop.dispatch([&] { screen.Command3.press(); });
      started = Clock::now();
      runtime.exec();
    }
    if (screen.Label2.Caption() != " 时间到！")
      std::fprintf(stderr, "clock_bench: the clock did not finish\n");
  }
  fs::remove_all(folder);

  // Worst is the largest distance from the ideal instant, early or late.
  double worst = 0, sum = 0, drift = 0;
  for (std::size_t k = 0; k < shown.size(); ++k) {
    const auto ideal = started + std::chrono::milliseconds(1000 * (k + 1));
    const double late = std::chrono::duration<double, std::milli>(shown[k] - ideal).count();
    worst = std::max(worst, std::abs(late));
    sum += late;
    drift = late;
    if (options.verbose) std::fprintf(stderr, "tick %zu %.3f ms\n", k + 1, late);
  }
  const double mean = shown.empty() ? 0 : sum / static_cast<double>(shown.size());
  const bool ok = static_cast<int>(shown.size()) == options.seconds && worst <= kWorstTargetMs &&
                  std::abs(drift) <= kDriftTargetMs;
  std::printf("clock_bench seconds=%d busy=%d ticks=%zu worst_ms=%.3f mean_ms=%.3f drift_ms=%.3f ok=%d\n",
              options.seconds, options.busy ? 1 : 0, shown.size(), worst, mean, drift, ok ? 1 : 0);
  return ok ? 0 : 1;
}
