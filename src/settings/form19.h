// The author-information window: seven lines about the program's author under a heading; the
// institution and the blog open in the web browser. The line under the pointer lights up.
#pragma once

#include "platform/controls.h"

namespace tallamo {

// What the lines show after their titles, and where the two links lead.
namespace author {
inline constexpr const char* kName = "顾清野";
inline constexpr const char* kInstitution = "青岚大学信息工程学院";
inline constexpr const char* kInstitutionSite = "https://www.example.org/qinglan-university/";
inline constexpr const char* kSubject = "计算机科学与技术";
inline constexpr const char* kMessaging = "（暂不公开）";
inline constexpr const char* kMail = "guqingye@example.org";
inline constexpr const char* kBlog = "blog.example.org/guqingye";
inline constexpr const char* kBlogSite = "https://blog.example.org/guqingye/";
inline constexpr const char* kGraduation = "2012年7月";
}  // namespace author

class Form19 : public platform::Form {
 public:
  explicit Form19(platform::Desktop& desktop);

  platform::Label Label1{*this, "Label1"};
  platform::Label Label2{*this, "Label2"};
  platform::Label Label3{*this, "Label3"};
  platform::Label Label4{*this, "Label4"};
  platform::Label Label5{*this, "Label5"};
  platform::Label Label6{*this, "Label6"};
  platform::Label Label7{*this, "Label7"};
  platform::Label Label8{*this, "Label8"};
  platform::Timer Timer1{*this, "Timer1"};

 protected:
  void build() override;
  void Form_Load() override;
  void Form_MouseMove(int Button, int Shift, double X, double Y) override;

 private:
  void Timer1_Timer();
  void Label3_Click();
  void Label7_Click();
  // Label2_MouseMove to Label8_MouseMove: that line lights up, the other six turn black.
  void Label_MouseMove(platform::Label& line);
};

}  // namespace tallamo
