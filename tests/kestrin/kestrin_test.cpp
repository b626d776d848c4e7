// Kestrin as its user meets it: a press of "开始检测" with the control present, missing and repaired
// or not, the log across presses, a second copy, and folders that do not serve.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "kestrin/form1.h"
#include "platform/program_starter.h"
#include "platform/registration.h"
#include "platform/scripted_desktop.h"
#include "support/disk_full.h"
#include "support/test_program.h"

namespace {

namespace fs = std::filesystem;
using platform::user::click;
using testing_support::TempFolder;

void WriteBytes(const fs::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

std::string ReadBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

std::vector<std::string> Names(const fs::path& folder) {
  std::vector<std::string> names;
  std::error_code ignored;
  for (const auto& entry : fs::directory_iterator(folder, ignored)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

// Kestrin installed from data/ with the registration program beside it, on a machine whose system
// folder lacks the control, at 9:05:07; started.
class Kestrin : public ::testing::Test {
 protected:
  Kestrin() {
    fs::copy(TALLAMO_DATA_DIR, program.path(), fs::copy_options::recursive);
    WriteBytes(registrationProgram(), "the registration program");
    desktop = std::make_unique<platform::ScriptedDesktop>("Kestrin", program.str(), machine.str());
    desktop->setDateTime({2024, 5, 18, 9, 5, 7});
    tool = std::make_unique<kestrin::Form1>(*desktop);
    desktop->dispatch([&] { tool->Show(); });
  }
  ~Kestrin() override {
    tool.reset();
    platform::user::settle();
  }
  void TearDown() override { EXPECT_EQ(desktop->handlerFailures(), 0); }

  bool press() { return click(tool->Command1); }
  fs::path system() const { return machine.path() / "system32"; }
  fs::path registrationProgram() const { return program.path() / platform::executableFileName("regsvr32"); }
  std::string log() const { return tool->Text1.Text(); }
  std::string systemLine() const { return "系统文件夹路径：" + system().string() + "\r\n"; }
  // The log after a first press answered with OK: the repair's own entries between its first and
  // last line, each at 9:05:07.
  std::string repairLog(const std::vector<std::string>& steps) const {
    std::string text = "等待检测……\r\n" + systemLine() +
                       "问题：没有找到COMDLG32.ocx，等待修复……    9:05:07\r\n"
                       "开始修复……\r\n";
    for (const std::string& step : steps) text += step + "    9:05:07\r\n";
    return text + "修复工作完成！    9:05:07\r\n";
  }
  std::vector<std::string> commandLines() const {
    std::vector<std::string> lines;
    for (const auto& start : desktop->startedPrograms()) lines.push_back(start.commandLine());
    return lines;
  }
  std::string registration(const std::string& name) const {
    return registrationProgram().string() + " " + name + " /s";
  }
  // The last message box: its text, style and caption.
  void expectLastMessage(const std::string& text, int style, const std::string& caption = "Kestrin") {
    ASSERT_FALSE(desktop->messages().empty());
    const auto& m = desktop->messages().back();
    EXPECT_EQ(m.text, text);
    EXPECT_EQ(m.style, style);
    EXPECT_EQ(m.caption, caption);
  }

  TempFolder program;
  TempFolder machine;
  std::unique_ptr<platform::ScriptedDesktop> desktop;
  std::unique_ptr<kestrin::Form1> tool;
};

constexpr int kUnhandled = platform::mb::OKOnly | platform::mb::Exclamation;

}  // namespace

TEST_F(Kestrin, APresentControlIsRegisteredAndNoProblemIsReported) {
  EXPECT_EQ(tool->Caption(), "Tallamo-Kestrin");
  EXPECT_EQ(tool->Label2.Caption(),
            "    该小工具会检测系统是否注册了与运行计时器所需的控件，并进行注册，确保计时器的正常运行。");
  EXPECT_EQ(tool->Label4.Caption(), "版本：1.0.0");
  fs::create_directories(system());
  WriteBytes(system() / "COMDLG32.OCX", "control");
  ASSERT_TRUE(press());

  EXPECT_EQ(log(), "等待检测……\r\n" + systemLine() + "找到COMDLG32.ocx，并成功注册    9:05:07\r\n");
  EXPECT_EQ(commandLines(), std::vector{registration("COMDLG32.OCX")});
  EXPECT_EQ(desktop->messages().size(), 1u);
  expectLastMessage("没有发现问题！", platform::mb::OKOnly);
}

TEST_F(Kestrin, AMissingControlIsLeftAloneWhenTheUserCancels) {
  desktop->answerMessage(platform::mb::Cancel);
  ASSERT_TRUE(press());

  EXPECT_EQ(log(), "等待检测……\r\n" + systemLine() + "问题：没有找到COMDLG32.ocx，等待修复……    9:05:07\r\n");
  expectLastMessage("发现1处问题，是否进行处理？", platform::mb::OKCancel | platform::mb::Question, "提示");
  EXPECT_TRUE(Names(system()).empty()) << "the system folder is made when missing, and nothing is copied";
  EXPECT_TRUE(desktop->startedPrograms().empty());
}

TEST_F(Kestrin, AMissingControlIsCopiedAndRegisteredAndEachPressAppendsToTheLog) {
  ASSERT_TRUE(press());
  EXPECT_EQ(log(), repairLog({"已复制COMDLG32.ocx到系统文件夹中", "成功注册COMDLG32.ocx"}));
  EXPECT_EQ(Names(system()), std::vector<std::string>{"COMDLG32.ocx"}) << "no temporary file is left";
  EXPECT_EQ(ReadBytes(system() / "COMDLG32.ocx"), ReadBytes(program.path() / "OCX" / "COMDLG32.ocx"));
  EXPECT_EQ(desktop->messages().size(), 2u);
  expectLastMessage("所有问题已经处理完成！", platform::mb::OKOnly);
  EXPECT_TRUE(platform::user::screenshot(*tool, testing_support::ScreenshotPath("kestrin-repaired")));

  const std::string afterRepair = log();
  desktop->advance(65'000);
  ASSERT_TRUE(press());
  EXPECT_EQ(log(), afterRepair + systemLine() + "找到COMDLG32.ocx，并成功注册    9:06:12\r\n");
  expectLastMessage("没有发现问题！", platform::mb::OKOnly);
  EXPECT_EQ(commandLines(), (std::vector{registration("COMDLG32.ocx"), registration("COMDLG32.OCX")}));
}

TEST_F(Kestrin, FileNamesMatchWhateverTheirLetterCase) {
  fs::rename(program.path() / "OCX", program.path() / "ocx");
  fs::rename(program.path() / "ocx" / "COMDLG32.ocx", program.path() / "ocx" / "comdlg32.OCX");
  ASSERT_TRUE(press());
  expectLastMessage("所有问题已经处理完成！", platform::mb::OKOnly);
  EXPECT_EQ(Names(system()), std::vector<std::string>{"COMDLG32.ocx"});

  fs::rename(system() / "COMDLG32.ocx", system() / "comdlg32.ocx");
  ASSERT_TRUE(press());
  expectLastMessage("没有发现问题！", platform::mb::OKOnly);
  EXPECT_EQ(Names(system()), std::vector<std::string>{"comdlg32.ocx"});
}

TEST_F(Kestrin, AFailedCopyIsLoggedAndNothingIsRegistered) {
  fs::remove_all(program.path() / "OCX");
  ASSERT_TRUE(press());
  EXPECT_EQ(log(), repairLog({"复制COMDLG32.ocx失败"}));
  EXPECT_TRUE(desktop->startedPrograms().empty());
  expectLastMessage("问题未能全部处理！", kUnhandled);

  // A damaged OCX folder, a folder named as the control in the system folder, a system folder that
  // is a file: each fails the copy in the same way.
  fs::create_directories(program.path() / "OCX" / "COMDLG32.ocx");
  ASSERT_TRUE(press());
  fs::remove_all(program.path() / "OCX");
  fs::copy(fs::path(TALLAMO_DATA_DIR) / "OCX", program.path() / "OCX");
  fs::create_directories(system() / "COMDLG32.OCX");
  ASSERT_TRUE(press());
  const fs::path file = machine.path() / "not-a-folder";
  WriteBytes(file, "file");
  desktop->setSystemFolder(file.string());
  ASSERT_TRUE(press());
  EXPECT_EQ(ReadBytes(file), "file");
  desktop->setSystemFolder(system().string());
  fs::remove(system() / "COMDLG32.OCX");
  EXPECT_EQ(desktop->messages().size(), 8u);
  expectLastMessage("问题未能全部处理！", kUnhandled);
  EXPECT_TRUE(desktop->startedPrograms().empty());

  // A copy cut short by a full disk leaves no half file that a later press would find.
  {
    testing_support::DiskFull full;
    if (!full.active()) GTEST_SKIP() << "cannot limit file sizes here";
    ASSERT_TRUE(press());
  }
  EXPECT_TRUE(Names(system()).empty());
  EXPECT_EQ(log().substr(log().rfind("开始修复……")),
            "开始修复……\r\n复制COMDLG32.ocx失败    9:05:07\r\n修复工作完成！    9:05:07\r\n");
}

TEST_F(Kestrin, ARegistrationIsCalledDoneOnlyWhenTheRegistrationProgramSaysSo) {
  // After the copy the registration program cannot record the file.
  desktop->answerProgramRun(platform::registration::RegistryNotWritten);
  ASSERT_TRUE(press());
  EXPECT_EQ(log(), repairLog({"已复制COMDLG32.ocx到系统文件夹中", "注册COMDLG32.ocx失败"}));
  expectLastMessage("问题未能全部处理！", kUnhandled);

  // The control is there now, but a registration program that crashes, or none at all, registers
  // nothing: no "没有发现问题！".
  desktop->answerProgramRun(std::nullopt);
  for (const bool withProgram : {true, false}) {
    if (!withProgram) fs::remove(registrationProgram());
    const std::string before = log();
    ASSERT_TRUE(press());
    EXPECT_EQ(log(), before + systemLine() + "注册COMDLG32.ocx失败    9:05:07\r\n");
    expectLastMessage("问题未能全部处理！", kUnhandled);
  }
  EXPECT_EQ(commandLines(), (std::vector{registration("COMDLG32.ocx"), registration("COMDLG32.OCX"),
                                         registration("COMDLG32.OCX")}));
}

// The window closed while the registration program runs closes when the program has ended and its
// result is logged; Kestrin then ends without asking anything more.
TEST_F(Kestrin, AWindowClosedDuringTheRegistrationClosesOnceItsResultIsLogged) {
  fs::create_directories(system());
  WriteBytes(system() / "COMDLG32.OCX", "control");
  desktop->answerProgramRun(std::nullopt);
  desktop->duringProgramRun([&] {
    EXPECT_TRUE(platform::user::closeWindow(*tool));
    EXPECT_TRUE(tool->visible()) << "open while the program runs";
  });
  ASSERT_TRUE(press());

  EXPECT_EQ(log(), "等待检测……\r\n" + systemLine() + "注册COMDLG32.ocx失败    9:05:07\r\n");
  EXPECT_FALSE(tool->loaded());
  EXPECT_TRUE(desktop->ended());
  EXPECT_TRUE(desktop->messages().empty()) << "nothing more is asked";
}

TEST_F(Kestrin, ASecondCopyIsRefusedButTallamoMayRunBeside) {
  platform::ScriptedDesktop second("Kestrin", program.str(), machine.str());
  kestrin::Form1 secondTool(second);
  second.dispatch([&] { secondTool.Show(); });
  ASSERT_EQ(second.messages().size(), 1u);
  EXPECT_EQ(second.messages()[0].text, "该程序已经在运行！");
  EXPECT_EQ(second.messages()[0].style, platform::mb::OKOnly);
  EXPECT_EQ(second.messages()[0].caption, "Kestrin");
  EXPECT_TRUE(second.ended());
  EXPECT_FALSE(secondTool.loaded());

  EXPECT_TRUE(tool->visible()) << "the first copy runs on";
  platform::ScriptedDesktop tallamo("Tallamo", program.str(), machine.str());
  EXPECT_TRUE(tallamo.claimSingleInstance("tallamo"));
}
