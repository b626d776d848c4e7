#include "kestrin/form1.h"

#include "common/program.h"
#include "platform/files.h"
#include "platform/program_starter.h"
#include "platform/registration.h"

namespace kestrin {

namespace mb = platform::mb;

Form1::Form1(platform::Desktop& desktop) : platform::Form(desktop, "Form1") {
  Command1.Click = [this] { Command1_Click(); };
}

void Form1::build() {
  setCaption("Tallamo-Kestrin");
  setBorderStyle(1);
  setDesignSize(10320, 7500);

  auto paragraph = [](platform::Label& label, const char* text, int top, int height) {
    label.setCaption(text);
    label.Move(360, top, 9600, height);
    label.setWordWrap(true);
    label.setFontSize(10.5);
  };
  paragraph(Label1,
            "    Tallamo（以下简称计时器）是用特定的开发工具开发的，其部分功能需要相应的OCX控件支持。"
            "由于计时器为免安装版本，在没有注册所需控件的操作系统上可能无法正常运行。",
            300, 720);
  paragraph(Label2,
            "    该小工具会检测系统是否注册了与运行计时器所需的控件，并进行注册，确保计时器的正常运行。",
            1200, 360);
  paragraph(Label3,
            "    控件的检测及注册操作不会操作系统造成任何危害。具体的，该小工具先检测系统目录system32文件夹下"
            "是否存在相应的OCX控件，如果存在，进行注册；如果不存在，将从计时器所在文件夹下的OCX文件夹中复制"
            "相应的控件之system32文件夹中并进行注册。",
            1740, 1080);

  Text1.setMultiLine(true);
  Text1.setScrollBars(2);
  Text1.Move(360, 3120, 9600, 3300);
  Text1.setFontSize(10.5);
  Text1.setText("等待检测……\r\n");

  Label4.Move(360, 6840, 3600, 360);
  Label4.setFontSize(10.5);

  Command1.setCaption("开始检测");
  Command1.Move(8400, 6690, 1560, 540);
  Command1.setFontSize(10.5);
}

void Form1::Form_Load() {
  if (!desktop().claimSingleInstance(kInstanceName)) {
    desktop().messageBox(common::kAlreadyRunning, mb::OKOnly);
    desktop().end();
    return;
  }
  Label4.setCaption("版本：" + common::VersionText(kVersionMajor, kVersionMinor, kVersionRevision));
}

void Form1::AppendLog(const std::string& text) {
  Text1.setText(Text1.Text() + text);
}

void Form1::LogEntry(const std::string& message) {
  AppendLog(message + "    " + platform::timeText(desktop().currentDateTime()) + "\r\n");
}

bool Form1::Register(const char* fileName) {
  const std::string program =
      desktop().programFolder() + "/" + platform::executableFileName(kRegistrationProgram);
  return desktop().runProgram(program, {fileName, "/s"}) == platform::registration::Registered;
}

// Each press looks again and appends to the log; nothing is cleared. A copy or a registration that
// could not be done is logged as such, and the press then ends with "问题未能全部处理！".
void Form1::Command1_Click() {
  const std::string systemFolder = desktop().systemFolder();
  AppendLog("系统文件夹路径：" + systemFolder + "\r\n");
  const std::string testedFile = systemFolder + "\\" + kTestedName;
  const std::string repairedFile = systemFolder + "\\" + kRepairedName;
  bool allHandled = true;

  ProblemCount = 0;
  if (!platform::fileExists(testedFile)) {
    LogEntry("问题：没有找到COMDLG32.ocx，等待修复……");
    ProblemCount = 1;
  }
  if (platform::fileExists(testedFile)) {
    if (Register(kTestedName)) {
      LogEntry("找到COMDLG32.ocx，并成功注册");
    } else {
      LogEntry("注册COMDLG32.ocx失败");
      allHandled = false;
    }
  }

  if (ProblemCount == 0) {
    if (allHandled)
      desktop().messageBox("没有发现问题！", mb::OKOnly);
    else
      desktop().messageBox("问题未能全部处理！", mb::OKOnly | mb::Exclamation);
    return;
  }
  const std::string question = "发现" + std::to_string(ProblemCount) + "处问题，是否进行处理？";
  if (desktop().messageBox(question, mb::OKCancel | mb::Question, "提示") != mb::OK) return;

  AppendLog("开始修复……\r\n");
  if (!platform::fileExists(repairedFile)) {
    if (!platform::copyFileWhole(desktop().programPath(kCopySource), repairedFile)) {
      LogEntry("复制COMDLG32.ocx失败");
      allHandled = false;
    } else {
      LogEntry("已复制COMDLG32.ocx到系统文件夹中");
      if (Register(kRepairedName)) {
        LogEntry("成功注册COMDLG32.ocx");
      } else {
        LogEntry("注册COMDLG32.ocx失败");
        allHandled = false;
      }
    }
  }
  LogEntry("修复工作完成！");
  if (allHandled)
    desktop().messageBox("所有问题已经处理完成！", mb::OKOnly);
  else
    desktop().messageBox("问题未能全部处理！", mb::OKOnly | mb::Exclamation);
}

}  // namespace kestrin
