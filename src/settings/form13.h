// The settings entrance: the first page of the settings side, shown over the console. It fetches the
// news and latest-version page while the user chooses the theme of the settings pages, opens the
// about and author windows, starts the wizard or returns to the console.
#pragma once

#include <array>
#include <string>

#include "platform/controls.h"
#include "platform/web_browser.h"

namespace tallamo {

class Form13 : public platform::Form {
 public:
  explicit Form13(platform::Desktop& desktop);

  platform::Image Image1{*this, "Image1"};
  platform::Label Label1{*this, "Label1"};
  platform::ComboBox C1{*this, "C1"};
  platform::TextBox Text1{*this, "Text1"};
  platform::Label Label2{*this, "Label2"};
  platform::Label Ver_info{*this, "Ver_info"};
  platform::Label Label3{*this, "Label3"};
  platform::CommandButton Command1{*this, "Command1"};
  platform::CommandButton Command2{*this, "Command2"};
  platform::CommandButton Command3{*this, "Command3"};
  platform::CommandButton Command5{*this, "Command5"};
  platform::CommandButton Command4{*this, "Command4"};
  platform::WebBrowser WebBrowser1{*this, "WebBrowser1"};
  platform::Timer Timer1{*this, "Timer1"};

  // The program's version text ("4.0.3").
  std::string AppVersion;
  // "Y" when the machine had a network connection at load, else "N".
  std::string NetState;
  // The address of the news and latest-version page.
  std::string UpdateUrl;
  // The eight markers of the page, marker n at index n - 1.
  std::array<std::string, 8> Markers;
  // What the last page that was loaded gave.
  std::string PageText;
  std::string NewsText;
  std::string NewsDate;
  std::string LatestVersion;
  std::string UpdateDate;
  std::string DownloadUrl;
  std::string SiteUrl;

 protected:
  void build() override;
  void Form_Load() override;
  void Form_Unload(int& Cancel) override;

 private:
  void C1_Click();
  void WebBrowser1_DocumentComplete();
  void Label3_Click();
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void Command5_Click();
  void Timer1_Timer();

  // Load step 6: the markers, the page's address, the connection test and the request.
  void RequestUpdatePage();
  // The question whether to download a new version.
  void OfferDownload();
  // Opens the download address and ends the program; an address that is no web address is refused.
  void Download();
};

}  // namespace tallamo
