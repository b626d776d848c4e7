// The machine behind both desktops: the system folder, the clock, starting other programs (the real
// registration program among them).
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <optional>
#include <thread>

#include "platform/controls.h"
#include "platform/real_desktop.h"
#include "platform/registration.h"
#include "platform/scripted_desktop.h"
#include "platform/system_folder.h"
#include "support/build_speed.h"
#include "support/test_program.h"

namespace {

namespace fs = std::filesystem;
using testing_support::TempFolder;

void WriteBytes(const fs::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

// Sets an environment variable for the length of a test, then puts back what was there.
class Variable {
 public:
  Variable(const char* name, const std::string* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    value ? setenv(name, value->c_str(), 1) : unsetenv(name);
  }
  ~Variable() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

// The registration program built beside Kestrin, run to its end.
int RunRegistration(const QStringList& arguments, const fs::path& systemFolder) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(platform::kSystemFolderVariable, QString::fromStdString(systemFolder.string()));
  process.setProcessEnvironment(environment);
  process.start(TALLAMO_REGSVR32, arguments);
  if (!process.waitForFinished(10000)) return -1;
  return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

// A program's claim of its single-copy lock, timed. A claim that a fault leaves blocked on opening one
// of the FIFOs fails the test after two seconds; the FIFOs are then opened at both ends and closed
// again, which lets a blocked opener and reader go on, so that the test ends.
bool TimedClaim(platform::RealDesktop& desktop, const std::string& name, const std::vector<fs::path>& fifos,
                std::chrono::milliseconds& took) {
  const auto start = std::chrono::steady_clock::now();
  std::future<bool> claim = std::async(std::launch::async, [&] { return desktop.claimSingleInstance(name); });
  if (claim.wait_for(std::chrono::seconds(2)) == std::future_status::timeout) {
    ADD_FAILURE() << "the claim of " << name << " blocks";
    for (int round = 0; claim.wait_for(std::chrono::milliseconds(5)) == std::future_status::timeout;
         ++round) {
      if (round == 1000) {
        std::fprintf(stderr, "the claim of %s blocks for good\n", name.c_str());
        std::_Exit(1);
      }
      for (const fs::path& fifo : fifos)
        if (const int fd = open(fifo.c_str(), O_RDWR | O_NONBLOCK); fd >= 0) close(fd);
    }
  }
  const bool claimed = claim.get();
  took = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
  return claimed;
}

}  // namespace

TEST(SystemFolder, IsTheOneTheVariableNamesOrOneInTheUsersDataFolderAndIsMadeWhenMissing) {
  TempFolder root;
  const std::string named = (root.path() / "machine" / "system32").string();
  {
    Variable folder(platform::kSystemFolderVariable, &named);
    platform::RealDesktop desktop("Kestrin");
    EXPECT_EQ(desktop.systemFolder(), named);
    EXPECT_TRUE(fs::is_directory(named));
  }
  {
    const std::string data = (root.path() / "data").string();
    Variable folder(platform::kSystemFolderVariable, nullptr);
    Variable xdg("XDG_DATA_HOME", &data);
    EXPECT_EQ(platform::findSystemFolder(), data + "/Tallamo/system32");
    EXPECT_TRUE(fs::is_directory(data + "/Tallamo/system32"));
  }
}

TEST(Clock, RealShowsTheLocalTimeAndScriptedRunsOnFromWhereItWasSet) {
  platform::RealDesktop real("Kestrin");
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  const platform::DateTime expected{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                                    local.tm_hour,        local.tm_min,     local.tm_sec};
  const platform::DateTime shown = real.currentDateTime();
  EXPECT_LE(expected, shown);
  EXPECT_LE(shown, platform::addSeconds(expected, 2));

  TempFolder folder;
  platform::ScriptedDesktop scripted("Kestrin", folder.str(), folder.str());
  scripted.advance(5000);
  scripted.setDateTime({2024, 12, 31, 23, 59, 30});
  scripted.advance(45'999);
  EXPECT_EQ(scripted.currentDateTime(), (platform::DateTime{2025, 1, 1, 0, 0, 15}));
  EXPECT_EQ(platform::timeText(scripted.currentDateTime()), "0:00:15");
  EXPECT_EQ(platform::timeText({2024, 2, 29, 14, 5, 9}), "14:05:09");
}

TEST(ProgramStarter, RunsTheRegistrationProgramByItsPathToItsEndAndNeverThroughTheSearchPath) {
  TempFolder system;
  const std::string folder = system.str();
  Variable variable(platform::kSystemFolderVariable, &folder);
  WriteBytes(system.path() / "comdlg32.ocx", "control");
  platform::RealDesktop desktop("Kestrin");

  EXPECT_EQ(desktop.runProgram(TALLAMO_REGSVR32, {"COMDLG32.OCX", "/s"}), platform::registration::Registered);
  EXPECT_TRUE(platform::isRegistered(folder, "COMDLG32.OCX")) << "the file of the system folder, any case";
  EXPECT_EQ(desktop.runProgram(TALLAMO_REGSVR32, {"missing.ocx", "/s"}),
            platform::registration::FileNotFound);

  EXPECT_EQ(desktop.runProgram("regsvr32", {"COMDLG32.OCX", "/s"}), std::nullopt)
      << "a bare name is not looked up";
  EXPECT_EQ(desktop.runProgram((system.path() / "no-such-program").string(), {}), std::nullopt);
  // A program that does not end in time is ended.
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(platform::runToEnd("/bin/sleep", {"30"}, 300), std::nullopt);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

namespace {

// A window whose Command1 runs a program for half a second, writes what it gave, and asks a question.
class WaitingWindow : public platform::Form {
 public:
  explicit WaitingWindow(platform::Desktop& d) : platform::Form(d, "WaitingWindow") {
    Command1.Click = [this] {
      log.push_back("ran " + std::to_string(desktop().runProgram("/bin/sleep", {"0.5"}).value_or(-1)));
      answer = desktop().messageBox("再检测一次？", platform::mb::OKCancel);
    };
    Command2.Click = [this] { log.push_back("Command2 Click"); };
  }
  platform::CommandButton Command1{*this, "Command1"};
  platform::CommandButton Command2{*this, "Command2"};
  std::vector<std::string> log;
  int answer = 0;

 protected:
  void build() override {
    setDesignSize(6000, 3000);
    Command1.Move(300, 300, 1500, 450);
    Command2.Move(300, 1200, 1500, 450);
  }
};

}  // namespace

// While a program runs, clicks and keys reach no window, and a window the user closes stays until the
// waiting handler has written the result: it closes before the handler's next question, which is then
// never shown, as the program has no window left.
TEST(ProgramStarter, WhileAProgramRunsInputIsDroppedAndACloseWaitsForTheResult) {
  platform::RealDesktop desktop("Kestrin");
  WaitingWindow window(desktop);
  desktop.dispatch([&] { window.Show(); });
  bool openDuringTheRun = false;
  QTimer::singleShot(200, [&] {
    QTest::mouseClick(window.Command2.widget(), Qt::LeftButton);
    window.Command2.widget()->setFocus();
    QTest::keyClick(window.Command2.widget(), Qt::Key_Space);
    window.widget()->windowHandle()->close();  // the close box, through the window system
    openDuringTheRun = window.loaded() && window.visible();
  });
  // A message box shown by a fault would wait for an answer for good.
  QTimer guard;
  QObject::connect(&guard, &QTimer::timeout, [] {
    if (QWidget* box = QApplication::activeModalWidget()) box->close();
  });
  guard.start(3000);

  QTest::mouseClick(window.Command1.widget(), Qt::LeftButton);
  EXPECT_TRUE(openDuringTheRun);
  EXPECT_EQ(window.log, std::vector<std::string>{"ran 0"}) << "the click and the key were dropped";
  EXPECT_FALSE(window.loaded());
  EXPECT_TRUE(desktop.ended());
  EXPECT_EQ(window.answer, platform::mb::Cancel) << "no message box was shown";
}

// A program killed between making its lock file and writing itself into it leaves the file empty.
// Such a lock is left over once it is a few seconds old: a later registration and a later start take
// it over. A fresh one, and the lock of a copy that runs, however old, still hold.
TEST(LockFiles, AnEmptyLockLeftByAKillIsTakenOverOnceItIsSecondsOld) {
  TempFolder system, runtime;
  fs::permissions(runtime.path(), fs::perms::owner_all, fs::perm_options::replace);
  const std::string systemFolder = system.str(), runtimeFolder = runtime.str();
  Variable systemVariable(platform::kSystemFolderVariable, &systemFolder);
  Variable runtimeVariable("XDG_RUNTIME_DIR", &runtimeFolder);
  const auto age = [](const fs::path& file, std::chrono::seconds seconds) {
    fs::last_write_time(file, fs::file_time_type::clock::now() - seconds);
  };
  const auto leftEmpty = [&](const fs::path& file, std::chrono::seconds seconds) {
    WriteBytes(file, "");
    age(file, seconds);
  };

  WriteBytes(system.path() / "COMDLG32.OCX", "control");
  leftEmpty(system.path() / "registry.ini.lock", std::chrono::seconds(10));
  platform::RealDesktop kestrin("Kestrin");
  EXPECT_EQ(kestrin.runProgram(TALLAMO_REGSVR32, {"COMDLG32.OCX", "/s"}), platform::registration::Registered);
  EXPECT_TRUE(platform::isRegistered(systemFolder, "COMDLG32.OCX"));
  EXPECT_FALSE(fs::exists(system.path() / "registry.ini.lock")) << "released after the write";

  leftEmpty(runtime.path() / "kestrin.lock", std::chrono::seconds(10));
  EXPECT_TRUE(kestrin.claimSingleInstance("kestrin"));
  age(runtime.path() / "kestrin.lock", std::chrono::seconds(3600));
  platform::RealDesktop second("Kestrin");
  EXPECT_FALSE(second.claimSingleInstance("kestrin")) << "the copy that runs keeps its claim";

  leftEmpty(runtime.path() / "tallamo.lock", std::chrono::seconds(0));
  EXPECT_FALSE(second.claimSingleInstance("tallamo")) << "an empty lock just made may be one being taken";
}

// Only a regular file can be a lock file. A FIFO, a socket, a symbolic link or an empty folder at a
// lock's path, or at its guard's path, is removed without being opened (opening a FIFO blocks) and
// the registration or the start goes on; a folder with something in it stops them at once.
TEST(LockFiles, WhatIsNoRegularFileIsRemovedUnopenedOrRefusedAtOnceAndNothingHangs) {
  using namespace std::chrono_literals;
  TempFolder system, runtime, elsewhere;
  fs::permissions(runtime.path(), fs::perms::owner_all, fs::perm_options::replace);
  const std::string systemFolder = system.str(), runtimeFolder = runtime.str();
  Variable systemVariable(platform::kSystemFolderVariable, &systemFolder);
  Variable runtimeVariable("XDG_RUNTIME_DIR", &runtimeFolder);
  WriteBytes(system.path() / "COMDLG32.OCX", "control");
  const fs::path registryLock = system.path() / "registry.ini.lock",
                 claimLock = runtime.path() / "kestrin.lock";
  const fs::path registryGuard = registryLock.string() + ".rmlock",
                 claimGuard = claimLock.string() + ".rmlock";
  const fs::path target = elsewhere.path() / "target";
  WriteBytes(target, "kept");
  const auto targetTime = fs::file_time_type::clock::now() - 10s;
  fs::last_write_time(target, targetTime);

  platform::RealDesktop kestrin("Kestrin");
  // Kestrin waits 10 s for the registration program: one that blocks shows as a late failure. Where the
  // speed is checked, each registration and claim is also done at once.
  const auto registration = [&](int expected) {
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(kestrin.runProgram(TALLAMO_REGSVR32, {"COMDLG32.OCX", "/s"}), expected);
    if (testing_support::kChecksSpeed) {
      EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);
    }
  };
  const auto claim = [&](bool expected) {
    platform::RealDesktop desktop("Kestrin");
    std::chrono::milliseconds took{};
    EXPECT_EQ(TimedClaim(desktop, "kestrin", {claimLock, claimGuard}, took), expected);
    if (testing_support::kChecksSpeed) {
      EXPECT_LT(took, 1s);
    }
    if (expected) {
      EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(claimLock))) << "our own lock now";
    }
  };

  const std::pair<const char*, std::function<void(const fs::path&)>> shapes[] = {
      {"FIFO", [](const fs::path& path) { EXPECT_EQ(mkfifo(path.c_str(), 0600), 0); }},
      {"socket",
       [](const fs::path& path) {
         const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
         sockaddr_un address{};
         address.sun_family = AF_UNIX;
         ASSERT_LT(path.string().size(), sizeof address.sun_path);
         std::strcpy(address.sun_path, path.c_str());
         EXPECT_EQ(bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
         close(fd);
       }},
      {"dangling link", [](const fs::path& path) { fs::create_symlink(path.string() + ".gone", path); }},
      {"link to a file", [&](const fs::path& path) { fs::create_symlink(target, path); }},
      {"empty folder", [](const fs::path& path) { fs::create_directory(path); }},
  };
  for (const auto& [shape, make] : shapes) {
    SCOPED_TRACE(shape);
    std::error_code leftByAFault;
    fs::remove_all(registryLock, leftByAFault);
    make(registryLock);
    registration(platform::registration::Registered);
    EXPECT_FALSE(fs::exists(fs::symlink_status(registryLock)));
    fs::remove_all(claimLock, leftByAFault);
    make(claimLock);
    claim(true);
  }
  EXPECT_TRUE(platform::isRegistered(systemFolder, "COMDLG32.OCX"));
  std::ifstream kept(target, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "kept") << "a link is never followed";
  EXPECT_EQ(fs::last_write_time(target), targetTime);

  for (const fs::path& lock : {registryLock, claimLock}) {
    fs::create_directory(lock);
    WriteBytes(lock / "inside", "someone's");
  }
  registration(platform::registration::RegistryNotWritten);
  claim(false);
  EXPECT_TRUE(fs::exists(registryLock / "inside"));
  EXPECT_TRUE(fs::exists(claimLock / "inside"));
  fs::remove_all(registryLock);
  fs::remove_all(claimLock);

  // Removing a lock left without an owner takes the guard lock first.
  for (const fs::path& lock : {registryLock, claimLock}) {
    WriteBytes(lock, "");
    fs::last_write_time(lock, fs::file_time_type::clock::now() - 10s);
  }
  ASSERT_EQ(mkfifo(registryGuard.c_str(), 0600), 0);
  ASSERT_EQ(mkfifo(claimGuard.c_str(), 0600), 0);
  registration(platform::registration::Registered);
  claim(true);
}

TEST(RegistrationProgram, RegistersAFileOfTheSystemFolderAndFailsForAMissingOne) {
  TempFolder system;
  EXPECT_EQ(RunRegistration({"COMDLG32.OCX", "/s"}, system.path()), platform::registration::FileNotFound);
  EXPECT_FALSE(fs::exists(system.path() / platform::kRegistryFile));

  WriteBytes(system.path() / "COMDLG32.ocx", "control");
  WriteBytes(system.path() / "other.dll", "other");
  EXPECT_EQ(RunRegistration({"other.dll", "/s"}, system.path()), platform::registration::Registered);
  EXPECT_EQ(RunRegistration({"COMDLG32.OCX", "/s"}, system.path()), platform::registration::Registered);
  EXPECT_TRUE(platform::isRegistered(system.str(), "COMDLG32.ocx"));
  EXPECT_TRUE(platform::isRegistered(system.str(), "other.dll")) << "earlier entries are kept";

  EXPECT_EQ(RunRegistration({}, system.path()), platform::registration::BadCommandLine);
  EXPECT_EQ(RunRegistration({"COMDLG32.OCX", "/x"}, system.path()), platform::registration::BadCommandLine);
}
