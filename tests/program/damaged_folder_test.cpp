// The program on a damaged program folder. Each seed damages a fresh copy of the shipped folder
// (files deleted, emptied, cut, filled with bytes; values huge, negative, fractional, not numbers,
// binary, very long, naming folders or missing files), then a timekeeper opens every window, starts
// every stage, runs each clock through time-up and presses whatever the screens react to. No handler
// may fail, nothing may hang, the console must come back, and no file that the program only reads
// may change. TALLAMO_DAMAGE_SEEDS sets the number of seeds (50 by default).
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <mutex>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "common/ini.h"
#include "platform/controls.h"
#include "platform/files.h"
#include "support/test_program.h"

namespace {

namespace fs = std::filesystem;
using platform::user::click;
using platform::user::movePointer;
using testing_support::TestProgram;

int SeedCount() {
  const char* text = std::getenv("TALLAMO_DAMAGE_SEEDS");
  const int count = text ? std::atoi(text) : 50;
  return count > 0 ? count : 50;
}

// The files the program writes, by their path below the program folder in lower case, each with
// the keys it may change there (none listed: the whole file is the program's). Every other file must
// come out of a run byte for byte as it went in.
const std::map<std::string, std::set<std::string>>& WrittenFiles() {
  static const std::map<std::string, std::set<std::string>> files{
      {"config/main.ini", {"音量大小", "官方网站", "背景颜色", "背景图片"}},
      {"config/basicinfo.ini",
       {"辩论赛名称", "主办单位", "承办单位", "协办单位", "正方辩题", "反方辩题", "正方代表队",
        "反方代表队", "正方一辩", "正方二辩", "正方三辩", "正方四辩", "反方一辩", "反方二辩",
        "反方三辩",   "反方四辩", "评委一",   "评委二",   "评委三",   "评委四",   "评委五",
        "评委六",     "评委七",   "评委八",   "评委九",   "评委十"}},
      {"config/ppt.ini",
       {"自定义环节一名称", "自定义环节二名称", "自定义环节三名称", "自定义环节四名称",
        "自定义环节一文件路径", "自定义环节二文件路径", "自定义环节三文件路径", "自定义环节四文件路径"}},
      {"config/theme.ini", {"设置界面主题"}},
      {"config/cite.ini", {"背景颜色", "背景图片", "背景音乐", "自定义背景音乐", "循环播放", "音量大小"}},
      {"config/tw&dp.ini", {"环节名称", "背景颜色", "倒序限时", "背景图片", "显示计时", "倒序计时"}},
      {"config/timetemp.ini", {}},
      {"config/tache/timeformate.ini", {"计时格式"}},
      {"config/result.ini", {"正方总成绩",         "反方总成绩",         "获胜方",
                             "音量大小",           "设计模式",           "正反方字体",
                             "正反方字号",         "正反方字体加粗",     "正反方字体倾斜",
                             "正反方字体颜色",     "代表队名称字体",     "代表队名称字号",
                             "代表队名称字体加粗", "代表队名称字体倾斜", "代表队名称字体颜色",
                             "得分字体",           "得分字号",           "得分字体加粗",
                             "得分字体倾斜",       "得分字体颜色",       "获胜方字体",
                             "获胜方字号",         "获胜方字体加粗",     "获胜方字体倾斜",
                             "获胜方字体颜色"}},
  };
  static const auto withStages = [] {
    auto all = files;
    // The stage editor writes every key of a stage file: some at once, the rest with its save.
    const std::set<std::string> stageKeys{"计时格式",           "环节名称",           "限时",
                                          "警告时间点",         "计时字体",           "计时字号",
                                          "计时字体加粗",       "计时字体倾斜",       "倒计时字体颜色",
                                          "时间不足时字体颜色", "背景颜色",           "背景图片",
                                          "提问方一次提问限时", "回答方一次回答限时", "攻辩每次发言限时",
                                          "计时样式",           "时间不足提示音",     "自定义时间不足提示音",
                                          "时间到提示音",       "自定义时间到提示音", "超时提示音",
                                          "自定义超时提示音",   "使用过场图片",       "过场图片"};
    for (int stage = 1; stage <= 8; ++stage)
      all["config/tache/" + std::to_string(stage) + ".ini"] = stageKeys;
    // Step 4 writes the announcement's pictures, colour, music and sounds.
    for (const char* key :
         {"背景图片", "公布获胜方背景图片", "背景颜色", "背景音乐", "自定义背景音乐", "循环播放"})
      all["config/result.ini"].insert(key);
    for (const char* sound : {"公布正方得分时音效", "公布反方得分时音效", "公布获胜方时音效"}) {
      all["config/result.ini"].insert(sound);
      all["config/result.ini"].insert(std::string("自定义") + sound);
    }
    return all;
  }();
  return withStages;
}

// Buttons that leave a screen or the program, or lead through the settings wizard: pressed on purpose,
// never by the exploring hands.
bool Leaves(const std::string& caption) {
  return caption == "返回主界面" || caption == "退  出" || caption == "返回设置界面" ||
         caption == "<<上一步" || caption == "下一步>>";
}

std::string Lower(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  return text;
}

std::string ReadBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void WriteBytes(const fs::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

// Every regular file below the folder, by its lower-case relative path.
std::map<std::string, std::string> Snapshot(const fs::path& root) {
  std::map<std::string, std::string> files;
  std::error_code ignored;
  for (fs::recursive_directory_iterator it(root, ignored), end; it != end; it.increment(ignored))
    if (it->is_regular_file(ignored))
      files[Lower(fs::relative(it->path(), root).generic_string())] = ReadBytes(it->path());
  return files;
}

// The keys of an INI text as its lines hold them, each with the section it stands in, GB18030 bytes
// as they are.
std::vector<std::pair<std::string, std::string>> KeysOf(const std::string& bytes) {
  std::vector<std::pair<std::string, std::string>> keys;
  std::string section, line;
  for (char c : bytes + "\n") {
    if (c == '\r' || c == '\n') {
      if (line.size() > 1 && line.front() == '[' && line.find(']') != std::string::npos)
        section = line.substr(1, line.find(']') - 1);
      else if (const auto eq = line.find('='); eq != std::string::npos && eq > 0)
        keys.emplace_back(section, line.substr(0, eq));
      line.clear();
    } else {
      line += c;
    }
  }
  return keys;
}

// Ends the process when a seed runs far longer than any seed should: a hang, not a slow machine.
class Watchdog {
 public:
  explicit Watchdog(int seed)
      : thread_([this, seed] {
          std::unique_lock lock(mutex_);
          if (!done_.wait_for(lock, std::chrono::minutes(3), [this] { return finished_; })) {
            std::fprintf(stderr, "damaged folder, seed %d: the program hangs\n", seed);
            std::abort();
          }
        }) {}
  ~Watchdog() {
    {
      std::lock_guard lock(mutex_);
      finished_ = true;
    }
    done_.notify_all();
    thread_.join();
  }

 private:
  std::mutex mutex_;
  std::condition_variable done_;
  bool finished_ = false;
  std::thread thread_;
};

// Random damage to a program folder.
class Damage {
 public:
  Damage(const fs::path& root, int seed) : root_(root), random_(std::uint32_t(seed) * 7919u + 17u) {}

  void apply() {
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(root_))
      if (entry.is_regular_file()) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) {
      const bool ini = Lower(file.extension().string()) == ".ini";
      if (chance(ini ? 0.6 : 0.15)) ini ? damageIni(file) : damageFile(file);
    }
    if (chance(0.05)) fs::remove_all(root_ / "config" / "tache");
    if (chance(0.03)) fs::remove_all(root_ / "background");
  }

 private:
  bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(random_) < p; }
  std::size_t pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_); }

  std::string randomBytes(std::size_t n) {
    std::string bytes(n, '\0');
    for (char& c : bytes) c = char(pick(256));
    return bytes;
  }

  // A value a hand-edited or broken file may hold.
  std::string badValue() {
    static const std::vector<std::string> values{"",
                                                 " ",
                                                 "0",
                                                 "1",
                                                 "-1",
                                                 "2.5",
                                                 "0.4",
                                                 "-0.5",
                                                 "1.5e3",
                                                 "1e",
                                                 "1e400",
                                                 "-1e400",
                                                 "NaN",
                                                 "inf",
                                                 "99999999999999999999",
                                                 "40000",
                                                 "32767",
                                                 "-32768",
                                                 "-40000",
                                                 "2147483648",
                                                 "-2147483649",
                                                 "16777216",
                                                 "-2147483633",
                                                 "-2147483648",
                                                 "0x10",
                                                 "abc",
                                                 "90s",
                                                 " 30 ",
                                                 "Y",
                                                 "N",
                                                 "True",
                                                 "False",
                                                 "On",
                                                 "Off",
                                                 "Mode-1",
                                                 "Mode-2",
                                                 "Mode-3",
                                                 "Mode-4",
                                                 "mode-1",
                                                 "Default",
                                                 "None",
                                                 "User-Defined",
                                                 "Sound-1",
                                                 "宋体",
                                                 "不存在的字体",
                                                 "-5",
                                                 "3000",
                                                 "config",
                                                 "background\\",
                                                 "sound",
                                                 "background\\missing.jpg",
                                                 "sound\\none.wav",
                                                 "C:\\nope\\x.jpg",
                                                 "\\\\server\\share\\x.wav",
                                                 "..\\..\\..\\etc\\passwd",
                                                 "/dev/zero",
                                                 "/tmp",
                                                 "\xC5\xE4\xD6\xC3",
                                                 "\x81",
                                                 "=",
                                                 "[配置信息]"};
    switch (pick(6)) {
      case 0:
        return randomBytes(1 + pick(40));
      case 1:
        return std::string(1000 + pick(5000), 'x');
      case 2: {
        std::string chinese;
        for (std::size_t i = 0, n = 500 + pick(1500); i < n; ++i) chinese += "\xB2\xE2";  // 测
        return chinese;
      }
      case 3:
        return (root_ / (pick(2) ? "config" : "sound")).string();
      default:
        return values[pick(values.size())];
    }
  }

  void damageIni(const fs::path& file) {
    std::string bytes = ReadBytes(file);
    switch (pick(9)) {
      case 0:
        fs::remove(file);
        return;
      case 1:
        WriteBytes(file, "");
        return;
      case 2: {  // cut just after a CR: the last line ends in a lone CR
        std::vector<std::size_t> crs;
        for (std::size_t i = 0; i < bytes.size(); ++i)
          if (bytes[i] == '\r') crs.push_back(i);
        if (!crs.empty()) bytes.resize(crs[pick(crs.size())] + 1);
        WriteBytes(file, bytes);
        return;
      }
      case 3:  // cut anywhere, also inside a double-byte character
        if (!bytes.empty()) bytes.resize(pick(bytes.size()));
        WriteBytes(file, bytes);
        return;
      case 4:
        WriteBytes(file, randomBytes(1 + pick(4000)));
        return;
      case 5:  // a folder where the file should be
        fs::remove(file);
        fs::create_directory(file);
        return;
      case 6: {  // lone CRs for line ends, and a second copy of the section with other values
        std::string cr;
        for (std::size_t i = 0; i < bytes.size(); ++i)
          if (!(bytes[i] == '\n' && i > 0 && bytes[i - 1] == '\r')) cr += bytes[i];
        WriteBytes(file, cr + "\r[\xC5\xE4\xD6\xC3\xD0\xC5\xCF\xA2]\r" + "k=" + badValue());
        return;
      }
      default:
        break;
    }
    // Values replaced line by line.
    std::string out;
    std::size_t start = 0;
    while (start < bytes.size()) {
      std::size_t stop = bytes.find('\n', start);
      stop = stop == std::string::npos ? bytes.size() : stop + 1;
      std::string line = bytes.substr(start, stop - start);
      const auto eq = line.find('=');
      if (eq != std::string::npos && chance(0.4)) {
        std::string end;
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
          end.insert(end.begin(), line.back());
          line.pop_back();
        }
        std::string value = badValue();
        std::replace(value.begin(), value.end(), '\n', ' ');
        std::replace(value.begin(), value.end(), '\r', ' ');
        line = line.substr(0, eq + 1) + value + end;
      }
      out += line;
      start = stop;
    }
    WriteBytes(file, out);
  }

  void damageFile(const fs::path& file) {
    switch (pick(4)) {
      case 0:
        fs::remove(file);
        break;
      case 1:
        WriteBytes(file, randomBytes(pick(3000)));
        break;
      case 2: {
        std::string bytes = ReadBytes(file);
        bytes.resize(bytes.size() / 3);
        WriteBytes(file, bytes);
        break;
      }
      default:
        fs::remove(file);
        fs::create_directory(file);
        break;
    }
  }

  fs::path root_;
  std::mt19937 random_;
};

class DamagedFolder : public ::testing::TestWithParam<int> {
 protected:
  platform::ScriptedDesktop& desktop() { return t.desktop(); }
  tallamo::Form4& console() { return t.program().form4; }

  // The active window other than the console, if any.
  platform::Form* screen() {
    platform::Form* active = desktop().activeForm();
    if (active && active != &console() && active->loaded() && active->visible()) return active;
    for (platform::Form* f : desktop().forms())
      if (f != &console() && f->loaded() && f->visible()) return f;
    return nullptr;
  }

  // Runs the clocks until every timer has stopped, or for a good while when some never do.
  void runClocks(int seconds = 2000) {
    for (int second = 0; second < seconds && desktop().runningTimers() > 0 && !desktop().ended(); ++second)
      t.advance(1000);
  }

  // The extra-stage clocks count for as long as their screen is open, through zero and on: a few
  // minutes after each action show that; the stage clocks run up to time-up. The settings windows
  // animate their captions for as long as they are open: a few seconds show a cycle and bring the news
  // page.
  static int ClockSeconds(platform::Form& form) {
    if (dynamic_cast<tallamo::ExtraStageScreen*>(&form)) return 200;
    for (const char* settings : {"Form13", "Form19", "Form21", "Form2", "Form7", "Form12", "Form3", "Form10"})
      if (form.Name() == settings) return 10;
    return 2000;
  }

  void pointerOver(platform::Form& form) {
    const double w = form.ScaleWidth(), h = form.ScaleHeight();
    for (auto [x, y] : {std::pair{w / 2, h / 2}, {30.0, h / 2}, {w / 2, h - 30}, {30.0, h - 30}})
      if (form.visible()) movePointer(form, x, y);
  }

  // Everything the screen reacts to, each followed by running its clocks to their end.
  void explore(platform::Form& form) {
    const auto act = [&](const std::function<void()>& action) {
      if (!form.visible() || desktop().ended()) return false;
      action();
      runClocks(ClockSeconds(form));
      return form.visible();
    };
    pointerOver(form);
    for (platform::Control* c : form.controls()) {
      auto* button = dynamic_cast<platform::CommandButton*>(c);
      if (!button || Leaves(button->Caption())) continue;
      if (!act([&] {
            pointerOver(form);
            if (!button->shownOnScreen()) movePointer(form, 30, form.ScaleHeight() - 30);
            click(*button);
          }))
        return;
    }
    using namespace platform::key;
    for (int key : {Left, Right, Up, Down, Space, Return, Escape})
      if (!act([&] { platform::user::pressKey(form, key); })) return;
    for (int button : {1, 2, 4, 1})
      if (!act([&] {
            platform::user::pressMouse(form, form.ScaleWidth() / 2, form.ScaleHeight() / 2, button);
          }))
        return;
    for (platform::Control* c : form.controls())
      if (auto* bar = dynamic_cast<platform::ScrollBar*>(c)) {
        platform::user::clickArrow(*bar, 1);
        platform::user::clickPage(*bar, -1);
        platform::user::dragThumb(*bar, bar->Max());
      }
    // Every entry of every list; a file, font or colour dialog it opens is answered.
    for (platform::Control* c : form.controls())
      if (auto* combo = dynamic_cast<platform::ComboBox*>(c))
        for (int entry = 0; entry < combo->ListCount(); ++entry)
          if (!act([&] { answered([&] { platform::user::pickListEntry(*combo, entry); }); })) return;
    // Every check box turned over and back; every field that opens a dialog on a double-click.
    for (platform::Control* c : form.controls())
      if (auto* box = dynamic_cast<platform::CheckBox*>(c))
        for (int turn = 0; turn < 2; ++turn)
          if (!act([&] { click(*box); })) return;
    for (platform::Control* c : form.controls())
      if (c->DblClick)
        if (!act([&] { answered([&] { platform::user::doubleClick(*c); }); })) return;
    pointerOver(form);
  }

  // Does what the user does with one file, one font and one colour answer waiting; what no dialog
  // took is dropped. The file is one of the program folder's, damaged or not.
  void answered(const std::function<void()>& action) {
    desktop().answerFileDialog((t.folder().path() / "background" / "winner.jpg").string());
    desktop().answerFontDialog({.name = "黑体", .size = 10.5f, .bold = true});
    desktop().answerColourDialog(platform::colour::rgb(10, 20, 30));
    action();
    desktop().forgetDialogAnswers();
  }

  // Back by the screen's return button (to the console, else to the settings), else by its close box.
  // A screen that has a return button must be left by it: the extra-stage clocks have no other way back
  // to the console, and the announcement in design mode only the way to the settings.
  void leave(platform::Form& form) {
    bool hasReturn = false;
    for (const char* caption : {"返回主界面", "返回设置界面"})
      for (const auto& place : {std::pair{30.0, form.ScaleHeight() - 30}, {30.0, form.ScaleHeight() / 2}}) {
        if (!form.visible()) return;
        movePointer(form, place.first, place.second);
        for (platform::Control* c : form.controls())
          if (auto* b = dynamic_cast<platform::CommandButton*>(c); b && b->Caption() == caption) {
            hasReturn = true;
            if (form.visible()) click(*b);
          }
      }
    EXPECT_FALSE(hasReturn && form.loaded()) << form.Name() << " is left by its return button";
    if (form.loaded()) platform::user::closeWindow(form);
  }

  // Whatever screens a console button opened, explored and left in turn.
  void followScreens(const std::string& what) {
    for (int step = 0; step < 10 && !desktop().ended(); ++step) {
      platform::Form* next = screen();
      if (!next) break;
      SCOPED_TRACE(what + " -> " + next->Name());
      explore(*next);
      if (next->visible()) leave(*next);
    }
    EXPECT_TRUE(console().visible()) << "the console comes back after " << what;
    if (!console().visible()) desktop().dispatch([&] { console().Show(); });
  }

  void revealButtons() {
    movePointer(console(), 30, console().ScaleHeight() / 2);
    movePointer(console(), 30, console().ScaleHeight() - 30);
  }

  TestProgram t;
};

}  // namespace

TEST_P(DamagedFolder, EveryWindowSurvivesAndNothingReadIsChanged) {
  const int seed = GetParam();
  Watchdog watchdog(seed);
  // The news page, served by the scripted desktop at the shipped address (never from the network),
  // names the program's own version: no offer ends the program.
  desktop().servePage(
      t.readIni("\\Update\\Update.ini", "配置信息", "获取版本信息的网络地址"),
      "[*Tallamo最新动态*]新闻[*发布日期*]今天[*Varnel软件最新动态*][*版本号*]4.0.3[*更新日期*]"
      "昨天[*文件地址*]https://www.example.org/setup.exe[*官方网站*]https://www.example.org/"
      "[*Varnel软件*]");
  Damage(t.folder().path(), seed).apply();
  const auto before = Snapshot(t.folder().path());

  t.startToConsole();
  ASSERT_TRUE(console().visible());
  auto& c = console();

  revealButtons();
  for (platform::CommandButton* b : {&c.Command1, &c.Command2, &c.Command3, &c.Command17, &c.Command18})
    if (console().visible()) click(*b);
  platform::user::clickArrow(c.Hl1, 1);
  platform::user::clickPage(c.Hl1, -1);
  platform::user::dragThumb(c.Hl1, 100);
  click(c.Command19);

  for (int stage = 0; stage < 8; ++stage) {
    revealButtons();
    click(console().Command4[stage]);
    followScreens("stage " + std::to_string(stage + 1));
  }
  for (platform::CommandButton* b :
       {&c.Command10, &c.Command11, &c.Command12, &c.Command13, &c.Command14, &c.Command16}) {
    revealButtons();
    click(*b);
    followScreens(b->Name());
  }

  // The wizard's four steps, led through by their own buttons: values typed and saved, the console's
  // picture and colour and a presentation picked, everything else the pages react to, and back through
  // the steps and the entrance to the console.
  revealButtons();
  click(c.Command16);
  auto& entrance = t.program().form13;
  auto& step1 = t.program().form2;
  auto& step2 = t.program().form7;
  if (entrance.visible()) click(entrance.Command4);
  EXPECT_TRUE(step1.visible());
  if (step1.visible()) {
    platform::user::focus(step1.Text1[0]);
    platform::user::typeText(step1, "Final ");
    explore(step1);
    if (step1.visible()) click(step1.Command2);
  }
  EXPECT_TRUE(step2.visible());
  if (step2.visible()) {
    desktop().answerFileDialog(t.path("\\background\\cite.jpg"));
    platform::user::doubleClick(step2.Text6);
    desktop().answerColourDialog(platform::colour::rgb(40, 60, 90));
    platform::user::doubleClick(step2.Label2);
    desktop().answerFileDialog(t.path("\\ppt\\opening.pptx"));
    click(step2.Command1);
    explore(step2);
    if (step2.visible()) click(step2.Command13);
  }
  // Step 3: a stage of the seed's choosing saved in a mode, everything else the page reacts to, and on
  // to step 4.
  auto& step3 = t.program().form3;
  EXPECT_TRUE(step3.visible());
  if (step3.visible()) {
    platform::user::pickListEntry(step3.C1, seed % 8);
    platform::user::pickListEntry(step3.C2, seed % 3);
    click(step3.Command1);
    explore(step3);
    if (step3.visible()) click(step3.Command3);
  }
  // Step 4: everything the page reacts to; a caption of the seed's choosing opens the announcement in
  // its design mode, whose return brings step 4 back; then back through steps 3, 2 and 1.
  auto& step4 = t.program().form10;
  auto& announcement = t.program().form11;
  EXPECT_TRUE(step4.visible());
  if (step4.visible()) explore(step4);
  if (step4.visible()) click(step4.Label1[seed % step4.Label1.Count()]);
  if (announcement.visible()) {
    explore(announcement);
    leave(announcement);
  }
  if (step4.visible()) click(step4.Command4);
  if (step3.visible()) click(step3.Command2);
  if (step2.visible()) click(step2.Command10);
  if (step1.visible()) click(step1.Command5);
  followScreens("the wizard");

  // The report saved, into a folder of its own.
  testing_support::TempFolder reports;
  revealButtons();
  click(c.Command14);
  if (auto& report = t.program().form12; report.visible()) {
    desktop().answerFileDialog((reports.path() / "报表.txt").string());
    click(report.Command3);
    EXPECT_TRUE(fs::is_regular_file(reports.path() / "报表.txt"));
  }
  followScreens("the report");

  // Score entry wants typed scores: a refused character, entries that differ and are typed again, a
  // save, and on to the announcement.
  revealButtons();
  click(c.Command12);
  if (auto& entry = t.program().form16; entry.visible()) {
    const auto type = [&](std::initializer_list<const char*> texts) {
      platform::user::focus(entry.Text1);
      for (const char* text : texts) {
        platform::user::typeText(entry, text);
        platform::user::pressKey(entry, platform::key::Tab);
      }
    };
    type({"85.5", "85.50", "9x0", "90"});
    click(entry.Command1);
    type({"85.5", "85.5", "90", "90"});
    click(entry.Command1);
    if (entry.Command2.Enabled()) click(entry.Command2);
  }
  followScreens("score entry");

  // The exit asks; Cancel keeps the program, OK ends it.
  revealButtons();
  desktop().answerMessage(platform::mb::Cancel);
  click(console().Command15);
  EXPECT_FALSE(desktop().ended());
  desktop().answerMessage(platform::mb::OK);
  click(console().Command15);
  EXPECT_TRUE(desktop().ended());

  EXPECT_EQ(desktop().handlerFailures(), 0);

  const auto after = Snapshot(t.folder().path());
  for (const auto& [name, bytes] : after) {
    const auto written = WrittenFiles().find(name);
    const auto old = before.find(name);
    if (written == WrittenFiles().end()) {
      EXPECT_TRUE(old != before.end() && old->second == bytes) << name << " was only to be read";
      continue;
    }
    // A written file keeps every value but the ones the program writes.
    if (old == before.end() || written->second.empty()) continue;
    const std::string path = t.folder().str() + "/" + name;
    for (const auto& [sectionBytes, key] : KeysOf(old->second)) {
      const std::string section = platform::fromGb18030(sectionBytes);
      const std::string text = platform::fromGb18030(key);
      if (written->second.count(text)) continue;
      const auto value = [&](const std::string& file) {
        testing_support::TempFolder copy;
        WriteBytes(copy.path() / "f.ini", file);
        return common::ReadIni((copy.path() / "f.ini").string(), section, text);
      };
      EXPECT_EQ(value(bytes), value(old->second)) << name << ": [" << section << "] " << text << " was lost";
    }
  }
  for (const auto& [name, bytes] : before) EXPECT_TRUE(after.count(name)) << name << " disappeared";
}

INSTANTIATE_TEST_SUITE_P(Seeds, DamagedFolder, ::testing::Range(0, SeedCount()));
