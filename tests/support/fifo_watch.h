// A FIFO where a test expects nothing to be read: it tells whether anyone ever opened it for reading,
// and lets such a reader go on at once (it reads the end of the data instead of waiting for good).
#pragma once

#include <atomic>
#include <string>
#include <thread>

namespace testing_support {

class FifoWatch {
 public:
  explicit FifoWatch(std::string path);
  ~FifoWatch();
  FifoWatch(const FifoWatch&) = delete;
  FifoWatch& operator=(const FifoWatch&) = delete;
  bool opened() const { return opened_; }

 private:
  std::string path_;
  std::atomic<bool> stop_{false}, opened_{false};
  std::thread thread_;
};

}  // namespace testing_support
