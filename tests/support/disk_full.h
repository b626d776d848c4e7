// A disk that is full for the test's writes: while the object lives no file of this process can grow
// past a few bytes, and a write beyond that fails (EFBIG) instead of ending the process.
#pragma once

#include <cstdint>

namespace testing_support {

class DiskFull {
 public:
  explicit DiskFull(std::uint64_t bytes = 8);
  ~DiskFull();
  DiskFull(const DiskFull&) = delete;
  DiskFull& operator=(const DiskFull&) = delete;
  // False where the limit cannot be set (then the test has nothing to show).
  bool active() const { return active_; }

 private:
  bool active_ = false;
  std::uint64_t previousSoft_ = 0;
  void* previousHandler_ = nullptr;
};

}  // namespace testing_support
