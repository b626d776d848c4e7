// The machine behind both desktops: the system folder, the clock, starting other programs (the real
// registration program among them).
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <optional>
#include <thread>

#include "platform/real_desktop.h"
#include "platform/registration.h"
#include "platform/scripted_desktop.h"
#include "platform/system_folder.h"
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
