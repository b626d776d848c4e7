#include "settings/form19.h"

#include <string>

#include "common/config_names.h"
#include "common/program.h"
#include "common/title_animation.h"

namespace tallamo {

Form19::Form19(platform::Desktop& desktop) : platform::Form(desktop, "Form19") {
  Timer1.Tick = [this] { Timer1_Timer(); };
  Label3.Click = [this] { Label3_Click(); };
  Label7.Click = [this] { Label7_Click(); };
  for (platform::Label* line : {&Label2, &Label3, &Label4, &Label5, &Label6, &Label7, &Label8})
    line->MouseMove = [this, line](int, int, double, double) { Label_MouseMove(*line); };
}

void Form19::build() {
  setBorderStyle(1);
  setDesignSize(5880, 3510);

  Label1.setCaption("作者信息");
  Label1.setBackStyle(0);
  Label1.setForeColor(platform::colour::Blue);
  Label1.setFontSize(15);
  Label1.setFontBold(true);
  Label1.Move(360, 180, 5160, 405);

  const std::string pointer = desktop().programPath(common::builtin::kButtonPointer);
  const std::pair<platform::Label*, std::string> lines[] = {
      {&Label2, std::string("姓    名：") + author::kName},
      {&Label3, std::string("单    位：") + author::kInstitution},
      {&Label4, std::string("主修专业：") + author::kSubject},
      {&Label5, std::string("QQ：") + author::kMessaging},
      {&Label6, std::string("电子邮箱：") + author::kMail},
      {&Label7, std::string("个人博客：") + author::kBlog},
      {&Label8, std::string("毕业时间：") + author::kGraduation},
  };
  int top = 720;
  for (const auto& [line, caption] : lines) {
    line->setCaption(caption);
    line->setBackStyle(0);
    line->setForeColor(platform::colour::Black);
    line->setFontSize(10.5);
    line->Move(600, top, 4920, 300);
    top += 375;
  }
  Label3.setMouseIcon(pointer);
  Label7.setMouseIcon(pointer);
  Label7.setToolTipText("单击访问作者博客");
  Timer1.setInterval(500);
}

void Form19::Form_Load() {
  setCaption(common::kProgramTitle);
}

void Form19::Timer1_Timer() {
  common::TitleAnimation(*this);
}

void Form19::Label3_Click() {
  desktop().openWebAddress(author::kInstitutionSite);
}

void Form19::Label7_Click() {
  desktop().openWebAddress(author::kBlogSite);
}

void Form19::Label_MouseMove(platform::Label& line) {
  for (platform::Label* other : {&Label2, &Label3, &Label4, &Label5, &Label6, &Label7, &Label8})
    if (other != &line) other->setForeColor(platform::colour::Black);
  line.setForeColor(&line == &Label3 || &line == &Label7 ? platform::colour::Blue : platform::colour::Red);
}

void Form19::Form_MouseMove(int, int, double, double) {
  for (platform::Label* line : {&Label2, &Label3, &Label4, &Label5, &Label6, &Label7, &Label8})
    line->setForeColor(platform::colour::Black);
}

}  // namespace tallamo
