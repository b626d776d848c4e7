#include "support/disk_full.h"

#ifndef _WIN32
#include <sys/resource.h>

#include <csignal>
#endif

namespace testing_support {

#ifndef _WIN32

DiskFull::DiskFull(std::uint64_t bytes) {
  rlimit limit{};
  if (getrlimit(RLIMIT_FSIZE, &limit) != 0) return;
  previousSoft_ = limit.rlim_cur;
  previousHandler_ = reinterpret_cast<void*>(std::signal(SIGXFSZ, SIG_IGN));
  limit.rlim_cur = bytes;
  active_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

DiskFull::~DiskFull() {
  rlimit limit{};
  getrlimit(RLIMIT_FSIZE, &limit);
  limit.rlim_cur = previousSoft_;
  setrlimit(RLIMIT_FSIZE, &limit);
  std::signal(SIGXFSZ, reinterpret_cast<void (*)(int)>(previousHandler_));
}

#else

DiskFull::DiskFull(std::uint64_t) {}
DiskFull::~DiskFull() = default;

#endif

}  // namespace testing_support
