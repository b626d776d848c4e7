// Kestrin's one window: checks that the common-dialog control is in the system folder and registers
// it there; when it is missing and the user agrees, copies it from the OCX folder beside the tool and
// registers it, writing each step into the log box.
#pragma once

#include <cstdint>
#include <string>

#include "platform/controls.h"
#include "platform/text_box.h"

namespace kestrin {

inline constexpr const char* kToolTitle = "Kestrin";
// The name under which a running copy is found; Tallamo runs under a name of its own.
inline constexpr const char* kInstanceName = "kestrin";
inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 0;

// The registration program, started by its path beside the tool.
inline constexpr const char* kRegistrationProgram = "regsvr32";
// The control as the check looks for it and as the repair writes it: one file, since names are
// matched without regard to letter case.
inline constexpr const char* kTestedName = "COMDLG32.OCX";
inline constexpr const char* kRepairedName = "COMDLG32.ocx";
// Where the repair copies the control from, below the tool's own folder.
inline constexpr const char* kCopySource = "\\OCX\\COMDLG32.ocx";

class Form1 : public platform::Form {
 public:
  explicit Form1(platform::Desktop& desktop);

  platform::Label Label1{*this, "Label1"};
  platform::Label Label2{*this, "Label2"};
  platform::Label Label3{*this, "Label3"};
  platform::TextBox Text1{*this, "Text1"};
  platform::Label Label4{*this, "Label4"};
  platform::CommandButton Command1{*this, "Command1"};

  // Problems found by the last press; only one is looked for, so it is 0 or 1.
  std::int16_t ProblemCount = 0;

 protected:
  void build() override;
  void Form_Load() override;

 private:
  void Command1_Click();

  // Appends text to the log as it stands.
  void AppendLog(const std::string& text);
  // Appends the message, four blanks, the time now and CR LF.
  void LogEntry(const std::string& message);
  // Runs the registration program on the file of the system folder: "regsvr32 NAME /s". True only
  // when the program says that it registered the file.
  bool Register(const char* fileName);
};

}  // namespace kestrin
