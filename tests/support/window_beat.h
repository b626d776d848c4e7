// A beat on the window's thread: how long the thread was held between the beats of a short timer.
// Time the thread only waited for a processor that other threads had (a loaded machine, other tests
// running beside) is not counted where the system tells it (Linux): a program that has the machine to
// itself is not held by it.
#pragma once

#include <QElapsedTimer>
#include <QTimer>

namespace testing_support {

class WindowBeat {
 public:
  explicit WindowBeat(int intervalMs = 5);
  // The longest hold since the beat started or was last reset, in milliseconds.
  qint64 longestHeldMs() const { return longest_; }
  void reset() { longest_ = 0; }

 private:
  void beat();

  QTimer timer_;
  QElapsedTimer sinceBeat_;
  qint64 waitedNs_ = 0;  // the thread's time waiting for a processor, at the last beat
  qint64 longest_ = 0;
};

}  // namespace testing_support
