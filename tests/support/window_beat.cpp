#include "support/window_beat.h"

#include <algorithm>
#include <fstream>

namespace testing_support {

namespace {

// The time this thread has waited for a processor so far, in nanoseconds; 0 where it is not told.
qint64 waitedForProcessorNs() {
  std::ifstream stat("/proc/thread-self/schedstat");
  long long running = 0, waiting = 0;
  return stat >> running >> waiting ? waiting : 0;
}

}  // namespace

WindowBeat::WindowBeat(int intervalMs) {
  timer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer_, &QTimer::timeout, [this] { beat(); });
  sinceBeat_.start();
  waitedNs_ = waitedForProcessorNs();
  timer_.start(intervalMs);
}

void WindowBeat::beat() {
  const qint64 waited = waitedForProcessorNs();
  const qint64 held = sinceBeat_.restart() - (waited - waitedNs_) / 1000000;
  waitedNs_ = waited;
  longest_ = std::max(longest_, held);
}

}  // namespace testing_support
