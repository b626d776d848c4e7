#include "support/fifo_watch.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>

namespace testing_support {

FifoWatch::FifoWatch(std::string path) : path_(std::move(path)) {
  if (mkfifo(path_.c_str(), 0600) != 0) throw std::runtime_error("no FIFO at " + path_);
  // Opening for writing without blocking succeeds only while a reader has the FIFO open.
  thread_ = std::thread([this] {
    while (!stop_) {
      const int fd = open(path_.c_str(), O_WRONLY | O_NONBLOCK);
      if (fd >= 0) {
        opened_ = true;
        close(fd);
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  });
}

FifoWatch::~FifoWatch() {
  stop_ = true;
  thread_.join();
}

}  // namespace testing_support
