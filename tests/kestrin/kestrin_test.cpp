// Kestrin as its user meets it: the window, a press of "开始检测" with the control present, missing
// and repaired or not, the log across presses, a second copy, and folders that do not serve.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <thread>

#include "kestrin/form1.h"
#include "platform/program_starter.h"
#include "platform/real_desktop.h"
#include "platform/registration.h"
#include "platform/scripted_desktop.h"
#include "platform/system_folder.h"
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

// The names in a folder, sorted.
std::vector<std::string> Names(const fs::path& folder) {
  std::vector<std::string> names;
  std::error_code ignored;
  for (const auto& entry : fs::directory_iterator(folder, ignored)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

// Kestrin installed in a program folder made from data/ with the registration program beside it, on
// a machine whose system folder lacks the control. The clock shows 9:05:07.
class Kestrin : public ::testing::Test {
 protected:
  Kestrin() {
    fs::copy(TALLAMO_DATA_DIR, program.path(), fs::copy_options::recursive);
    WriteBytes(registrationProgram(), "the registration program");
    desktop = std::make_unique<platform::ScriptedDesktop>("Kestrin", program.str(), machine.str());
    desktop->setDateTime({2024, 5, 18, 9, 5, 7});
    tool = std::make_unique<kestrin::Form1>(*desktop);
  }
  ~Kestrin() override {
    tool.reset();
    platform::user::settle();
  }

  // No press may end in a failed handler.
  void TearDown() override { EXPECT_EQ(desktop->handlerFailures(), 0); }

  void start() {
    desktop->dispatch([&] { tool->Show(); });
  }
  fs::path system() const { return machine.path() / "system32"; }
  fs::path registrationProgram() const { return program.path() / platform::executableFileName("regsvr32"); }
  std::string source() const { return ReadBytes(program.path() / "OCX" / "COMDLG32.ocx"); }
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
  const platform::MessageRecord& lastMessage() const { return desktop->messages().back(); }

  TempFolder program;
  TempFolder machine;
  std::unique_ptr<platform::ScriptedDesktop> desktop;
  std::unique_ptr<kestrin::Form1> tool;
};

}  // namespace

TEST_F(Kestrin, OpensWithItsTextsAndVersion) {
  start();
  ASSERT_TRUE(tool->visible());
  EXPECT_EQ(tool->Caption(), "Tallamo-Kestrin");
  EXPECT_EQ(tool->Label2.Caption(),
            "    该小工具会检测系统是否注册了与运行计时器所需的控件，并进行注册，确保计时器的正常运行。");
  EXPECT_EQ(tool->Label3.Caption(),
            "    控件的检测及注册操作不会操作系统造成任何危害。具体的，该小工具先检测系统目录system32文件夹下"
            "是否存在相应的OCX控件，如果存在，进行注册；如果不存在，将从计时器所在文件夹下的OCX文件夹中复制"
            "相应的控件之system32文件夹中并进行注册。");
  EXPECT_EQ(tool->Label1.Caption().substr(0, 11), "    Tallamo");
  EXPECT_EQ(tool->Label4.Caption(), "版本：1.0.0");
  EXPECT_EQ(log(), "等待检测……\r\n");
  EXPECT_TRUE(tool->Text1.MultiLine());
  EXPECT_EQ(tool->Text1.ScrollBars(), 2);
  EXPECT_EQ(tool->Command1.Caption(), "开始检测");
  EXPECT_TRUE(desktop->messages().empty());
  EXPECT_TRUE(desktop->startedPrograms().empty());
}

TEST_F(Kestrin, APresentControlIsRegisteredAndNoProblemIsReported) {
  start();
  fs::create_directories(system());
  WriteBytes(system() / "COMDLG32.OCX", "control");
  ASSERT_TRUE(click(tool->Command1));

  EXPECT_EQ(log(), "等待检测……\r\n" + systemLine() + "找到COMDLG32.ocx，并成功注册    9:05:07\r\n");
  EXPECT_EQ(commandLines(), std::vector{registration("COMDLG32.OCX")});
  ASSERT_EQ(desktop->messages().size(), 1u);
  EXPECT_EQ(lastMessage().text, "没有发现问题！");
  EXPECT_EQ(lastMessage().style, platform::mb::OKOnly);
  EXPECT_EQ(lastMessage().caption, "Kestrin");
  EXPECT_EQ(tool->ProblemCount, 0);
  EXPECT_EQ(ReadBytes(system() / "COMDLG32.OCX"), "control");
}

TEST_F(Kestrin, AMissingControlIsLeftAloneWhenTheUserCancels) {
  start();
  desktop->answerMessage(platform::mb::Cancel);
  ASSERT_TRUE(click(tool->Command1));

  EXPECT_EQ(log(), "等待检测……\r\n" + systemLine() + "问题：没有找到COMDLG32.ocx，等待修复……    9:05:07\r\n");
  ASSERT_EQ(desktop->messages().size(), 1u);
  EXPECT_EQ(lastMessage().text, "发现1处问题，是否进行处理？");
  EXPECT_EQ(lastMessage().style, platform::mb::OKCancel | platform::mb::Question);
  EXPECT_EQ(lastMessage().caption, "提示");
  EXPECT_EQ(tool->ProblemCount, 1);
  EXPECT_TRUE(Names(system()).empty()) << "the system folder is made when missing, and nothing is copied";
  EXPECT_TRUE(desktop->startedPrograms().empty());
}

TEST_F(Kestrin, AMissingControlIsCopiedFromTheOcxFolderAndRegistered) {
  start();
  ASSERT_TRUE(click(tool->Command1));

  EXPECT_EQ(log(), repairLog({"已复制COMDLG32.ocx到系统文件夹中", "成功注册COMDLG32.ocx"}));
  EXPECT_EQ(Names(system()), std::vector<std::string>{"COMDLG32.ocx"}) << "no temporary file is left";
  EXPECT_EQ(ReadBytes(system() / "COMDLG32.ocx"), source());
  EXPECT_EQ(commandLines(), std::vector{registration("COMDLG32.ocx")});
  ASSERT_EQ(desktop->messages().size(), 2u);
  EXPECT_EQ(desktop->messages()[0].text, "发现1处问题，是否进行处理？");
  EXPECT_EQ(lastMessage().text, "所有问题已经处理完成！");
  EXPECT_EQ(lastMessage().style, platform::mb::OKOnly);
  EXPECT_EQ(lastMessage().caption, "Kestrin");

  EXPECT_TRUE(platform::user::screenshot(*tool, testing_support::ScreenshotPath("kestrin-repaired")));
}

TEST_F(Kestrin, EachPressAppendsToTheLog) {
  start();
  ASSERT_TRUE(click(tool->Command1));
  const std::string afterRepair = log();
  desktop->advance(65'000);
  ASSERT_TRUE(click(tool->Command1));

  EXPECT_EQ(log(), afterRepair + systemLine() + "找到COMDLG32.ocx，并成功注册    9:06:12\r\n");
  EXPECT_EQ(lastMessage().text, "没有发现问题！");
  EXPECT_EQ(commandLines(), (std::vector{registration("COMDLG32.ocx"), registration("COMDLG32.OCX")}));
  EXPECT_EQ(tool->ProblemCount, 0) << "counted afresh at each press";
}

TEST_F(Kestrin, FileNamesMatchWhateverTheirLetterCase) {
  start();
  // The source in other spelling: the OCX folder and the file in lower case.
  fs::rename(program.path() / "OCX", program.path() / "ocx");
  fs::rename(program.path() / "ocx" / "COMDLG32.ocx", program.path() / "ocx" / "comdlg32.OCX");
  ASSERT_TRUE(click(tool->Command1));
  EXPECT_EQ(lastMessage().text, "所有问题已经处理完成！");
  EXPECT_EQ(Names(system()), std::vector<std::string>{"COMDLG32.ocx"});

  // The control in lower case is the one looked for.
  fs::rename(system() / "COMDLG32.ocx", system() / "comdlg32.ocx");
  ASSERT_TRUE(click(tool->Command1));
  EXPECT_EQ(lastMessage().text, "没有发现问题！");
  EXPECT_EQ(Names(system()), std::vector<std::string>{"comdlg32.ocx"});
}

TEST_F(Kestrin, WithoutTheOcxFolderTheRepairFailsAndSaysSo) {
  start();
  fs::remove_all(program.path() / "OCX");
  ASSERT_TRUE(click(tool->Command1));

  EXPECT_EQ(log(), repairLog({"复制COMDLG32.ocx失败"}));
  EXPECT_TRUE(Names(system()).empty());
  EXPECT_TRUE(desktop->startedPrograms().empty()) << "nothing to register";
  EXPECT_EQ(lastMessage().text, "问题未能全部处理！");
  EXPECT_EQ(lastMessage().style, platform::mb::OKOnly | platform::mb::Exclamation);
  EXPECT_EQ(lastMessage().caption, "Kestrin");

  // A damaged OCX folder: a folder where the control should be.
  fs::create_directories(program.path() / "OCX" / "COMDLG32.ocx");
  ASSERT_TRUE(click(tool->Command1));
  EXPECT_EQ(lastMessage().text, "问题未能全部处理！");
  EXPECT_TRUE(Names(system()).empty());
}

TEST_F(Kestrin, WithoutTheRegistrationProgramNothingIsCalledRegistered) {
  start();
  fs::remove(registrationProgram());
  ASSERT_TRUE(click(tool->Command1));
  EXPECT_EQ(log(), repairLog({"已复制COMDLG32.ocx到系统文件夹中", "注册COMDLG32.ocx失败"}));
  EXPECT_EQ(lastMessage().text, "问题未能全部处理！");
  EXPECT_EQ(lastMessage().style, platform::mb::OKOnly | platform::mb::Exclamation);

  // The control is there now, but still cannot be registered: no "没有发现问题！".
  const std::string before = log();
  ASSERT_TRUE(click(tool->Command1));
  EXPECT_EQ(log(), before + systemLine() + "注册COMDLG32.ocx失败    9:05:07\r\n");
  EXPECT_EQ(lastMessage().text, "问题未能全部处理！");
  EXPECT_EQ(lastMessage().caption, "Kestrin");
  EXPECT_EQ(desktop->messages().size(), 3u) << "no question: no problem was found";
}

TEST_F(Kestrin, ASystemFolderThatCannotTakeTheControlFailsTheRepairWithoutHarm) {
  start();
  // A file where the system folder should be.
  const fs::path file = machine.path() / "not-a-folder";
  WriteBytes(file, "file");
  desktop->setSystemFolder(file.string());
  ASSERT_TRUE(click(tool->Command1));
  EXPECT_NE(log().find("复制COMDLG32.ocx失败"), std::string::npos) << log();
  EXPECT_EQ(lastMessage().text, "问题未能全部处理！");
  EXPECT_EQ(ReadBytes(file), "file");

  // A folder named as the control: missing as a file, and nothing can be copied onto it.
  desktop->setSystemFolder(system().string());
  fs::create_directories(system() / "COMDLG32.OCX");
  ASSERT_TRUE(click(tool->Command1));
  EXPECT_EQ(lastMessage().text, "问题未能全部处理！");
  EXPECT_TRUE(fs::is_directory(system() / "COMDLG32.OCX"));
  fs::remove(system() / "COMDLG32.OCX");

  // A copy cut short (the disk is full) leaves no half file that a later press would find.
  {
    testing_support::DiskFull full;
    if (!full.active()) GTEST_SKIP() << "cannot limit file sizes here";
    ASSERT_TRUE(click(tool->Command1));
  }
  EXPECT_TRUE(Names(system()).empty());
  EXPECT_EQ(lastMessage().text, "问题未能全部处理！");
  const std::string last = log().substr(log().rfind("开始修复……"));
  EXPECT_EQ(last, "开始修复……\r\n复制COMDLG32.ocx失败    9:05:07\r\n修复工作完成！    9:05:07\r\n");
}

TEST_F(Kestrin, ASecondCopyIsRefusedButTallamoMayRunBeside) {
  start();
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

// The installed tool on the real desktop: its press starts the registration program beside it, which
// records the copied control in the system folder.
TEST(InstalledKestrin, RepairsAndRegistersTheControlWithTheRegistrationProgramBesideIt) {
  TempFolder program, system;
  fs::copy(TALLAMO_DATA_DIR, program.path(), fs::copy_options::recursive);
  fs::copy_file(TALLAMO_REGSVR32, program.path() / platform::executableFileName("regsvr32"));
  setenv("TALLAMO_PROGRAM_FOLDER", program.str().c_str(), 1);
  setenv(platform::kSystemFolderVariable, system.str().c_str(), 1);
  platform::RealDesktop desktop(kestrin::kToolTitle);
  kestrin::Form1 tool(desktop);
  desktop.dispatch([&] { tool.Show(); });

  // The user answers every message with its first button: 确定.
  QStringList messages;
  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      messages << box->text();
      box->buttons().front()->click();
    }
  });
  answer.start(20);
  tool.Command1.press();
  answer.stop();

  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!platform::isRegistered(system.str(), "COMDLG32.ocx") && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_TRUE(platform::isRegistered(system.str(), "COMDLG32.ocx"));
  EXPECT_EQ(messages.join('|').toStdString(), "发现1处问题，是否进行处理？|所有问题已经处理完成！");
  EXPECT_EQ(ReadBytes(system.path() / "COMDLG32.ocx"), ReadBytes(program.path() / "OCX" / "COMDLG32.ocx"));
  EXPECT_NE(tool.Text1.Text().find("成功注册COMDLG32.ocx    "), std::string::npos);
  tool.Unload();
  unsetenv("TALLAMO_PROGRAM_FOLDER");
  unsetenv(platform::kSystemFolderVariable);
}
