// Names of the configuration files (as paths below the program folder), their sections and keys.
// Every window takes its names from here.
#pragma once

#include <string>

namespace common {

// The section that nearly every configuration file keeps its values in.
inline constexpr const char* kSection = "配置信息";

// The keys of a window's background music, in its file's section 配置信息 (config\main.ini keeps
// only the volume).
namespace music_ini {
inline constexpr const char* kMusic = "背景音乐";  // a music choice; its custom path is "自定义背景音乐"
inline constexpr const char* kLoop = "循环播放";
inline constexpr const char* kVolume = "音量大小";
}  // namespace music_ini

// config\main.ini: the console's background and music volume.
namespace main_ini {
inline constexpr const char* kFile = "\\config\\main.ini";
inline constexpr const char* kBackColour = "背景颜色";
inline constexpr const char* kPicture = "背景图片";
inline constexpr const char* kVolume = music_ini::kVolume;
// The site address that the news and latest-version page gave last.
inline constexpr const char* kSite = "官方网站";
}  // namespace main_ini

// config\PPT.ini: names and files of the presentation stages (four stored, three with buttons).
namespace ppt_ini {
inline constexpr const char* kFile = "\\config\\PPT.ini";
inline constexpr const char* kName[4] = {"自定义环节一名称", "自定义环节二名称", "自定义环节三名称",
                                         "自定义环节四名称"};
inline constexpr const char* kPath[4] = {"自定义环节一文件路径", "自定义环节二文件路径",
                                         "自定义环节三文件路径", "自定义环节四文件路径"};
}  // namespace ppt_ini

// config\tache\1.ini … 8.ini, the stage files, and config\tache\timeformate.ini.
namespace stage_ini {
// "\config\tache\N.ini" for stage N, 1 to 8.
std::string StageFile(int stage);
inline constexpr const char* kFormatFile = "\\config\\tache\\timeformate.ini";

inline constexpr const char* kDisplayFormat = "计时格式";
inline constexpr const char* kName = "环节名称";
inline constexpr const char* kLimit = "限时";
inline constexpr const char* kWarningPoint = "警告时间点";
inline constexpr const char* kFontName = "计时字体";
inline constexpr const char* kFontSize = "计时字号";
inline constexpr const char* kBold = "计时字体加粗";
inline constexpr const char* kItalic = "计时字体倾斜";
inline constexpr const char* kNormalColour = "倒计时字体颜色";
inline constexpr const char* kWarningColour = "时间不足时字体颜色";
inline constexpr const char* kBackColour = "背景颜色";
inline constexpr const char* kPicture = "背景图片";
inline constexpr const char* kQuestionLimit = "提问方一次提问限时";
inline constexpr const char* kAnswerLimit = "回答方一次回答限时";
inline constexpr const char* kSpeechLimit = "攻辩每次发言限时";
inline constexpr const char* kMode = "计时样式";
inline constexpr const char* kWarningSound = "时间不足提示音";
inline constexpr const char* kCustomWarningSound = "自定义时间不足提示音";
inline constexpr const char* kTimeUpSound = "时间到提示音";
inline constexpr const char* kCustomTimeUpSound = "自定义时间到提示音";
inline constexpr const char* kOvertimeSound = "超时提示音";
inline constexpr const char* kCustomOvertimeSound = "自定义超时提示音";
inline constexpr const char* kUseTransition = "使用过场图片";
inline constexpr const char* kTransitionPicture = "过场图片";

inline constexpr const char* kMode1 = "Mode-1";
inline constexpr const char* kMode2 = "Mode-2";
inline constexpr const char* kMode3 = "Mode-3";
}  // namespace stage_ini

// config\Timetemp.ini, the hand-off file: the settings of the stage being started.
namespace handoff_ini {
inline constexpr const char* kFile = "\\config\\Timetemp.ini";
// Keys that differ from the stage file's: the stage's name.
inline constexpr const char* kName = "名称";
}  // namespace handoff_ini

// config\TW&DP.ini: the two extra-stage clocks.
namespace twdp_ini {
inline constexpr const char* kFile = "\\config\\TW&DP.ini";
inline constexpr const char* kSectionTW = "配置信息TW";  // audience questions
inline constexpr const char* kSectionDP = "配置信息DP";  // guest comments
inline constexpr const char* kName = "环节名称";
inline constexpr const char* kBackColour = "背景颜色";
inline constexpr const char* kLimit = "倒序限时";
inline constexpr const char* kPicture = "背景图片";
inline constexpr const char* kShowClock = "显示计时";
inline constexpr const char* kCountdown = "倒序计时";
}  // namespace twdp_ini

// config\BasicInfo.ini: the competition's basic information.
namespace basic_ini {
inline constexpr const char* kFile = "\\config\\BasicInfo.ini";
inline constexpr const char* kSection = "辩论赛信息";
inline constexpr const char* kAffirmativeTeam = "正方代表队";
inline constexpr const char* kNegativeTeam = "反方代表队";
// Every key, in the order in which they are read and written: the competition, its organisers, the
// motions, the teams, the four debaters of each side and the ten judges.
inline constexpr int kKeyCount = 26;
inline constexpr const char* kKeys[kKeyCount] = {
    "辩论赛名称", "主办单位", "承办单位", "协办单位", "正方辩题", "反方辩题", "正方代表队",
    "反方代表队", "正方一辩", "正方二辩", "正方三辩", "正方四辩", "反方一辩", "反方二辩",
    "反方三辩",   "反方四辩", "评委一",   "评委二",   "评委三",   "评委四",   "评委五",
    "评委六",     "评委七",   "评委八",   "评委九",   "评委十"};
}  // namespace basic_ini

// config\Result.ini: the two final scores, the winner and every setting of the result announcement.
namespace result_ini {
inline constexpr const char* kFile = "\\config\\Result.ini";

// Section 得分: the scores exactly as typed.
inline constexpr const char* kScoreSection = "得分";
inline constexpr const char* kAffirmativeScore = "正方总成绩";
inline constexpr const char* kNegativeScore = "反方总成绩";

// Section 配置信息. The sound choices' custom paths are kCustomPrefix followed by the choice's key;
// the music keys are those of music_ini.
inline constexpr const char* kWinner = "获胜方";
inline constexpr const char* kPicture = "背景图片";
inline constexpr const char* kWinnerPicture = "公布获胜方背景图片";
inline constexpr const char* kBackColour = "背景颜色";
inline constexpr const char* kAffirmativeSound = "公布正方得分时音效";
inline constexpr const char* kNegativeSound = "公布反方得分时音效";
inline constexpr const char* kWinnerSound = "公布获胜方时音效";
inline constexpr const char* kDesignMode = "设计模式";
inline constexpr const char* kDesignOn = "On";
inline constexpr const char* kDesignOff = "Off";
// The winner when both scores are equal.
inline constexpr const char* kTie = "互为平手";

// Section 字体设置: for each of the announcement's four elements, its element word followed by a
// property word names a key ("代表队名称字号").
inline constexpr const char* kFontSection = "字体设置";
inline constexpr const char* kElements[4] = {"正反方", "代表队名称", "得分", "获胜方"};
inline constexpr const char* kFontName = "字体";
inline constexpr const char* kFontSize = "字号";
inline constexpr const char* kFontBold = "字体加粗";
inline constexpr const char* kFontItalic = "字体倾斜";
inline constexpr const char* kFontColour = "字体颜色";
// The key of one property of element 0 to 3.
std::string FontKey(int element, const char* property);
}  // namespace result_ini

// config\cite.ini: the awards-ceremony page. Its music keys are those of music_ini.
namespace cite_ini {
inline constexpr const char* kFile = "\\config\\cite.ini";
inline constexpr const char* kBackColour = "背景颜色";
inline constexpr const char* kPicture = "背景图片";
}  // namespace cite_ini

// Config\Theme.ini: the theme picture of every settings page ("Theme-1" to "Theme-4").
namespace theme_ini {
inline constexpr const char* kFile = "\\Config\\Theme.ini";
inline constexpr const char* kTheme = "设置界面主题";
}  // namespace theme_ini

// Update\Update.ini: where the news and latest-version page is. Shipped with the program, only read.
namespace update_ini {
inline constexpr const char* kFile = "\\Update\\Update.ini";
inline constexpr const char* kAddress = "获取版本信息的网络地址";
}  // namespace update_ini

// Built-in sounds and music (relative to the program folder) and pictures (design paths).
namespace builtin {
inline constexpr const char* kWarningSound = "sound\\Warn\\Default.wav";
inline constexpr const char* kTimeUpSound = "sound\\Timeout\\Default.wav";
inline constexpr const char* kOvertimeSound = "sound\\Cs\\Default.wav";
inline constexpr const char* kAffirmativeScoreSound = "sound\\Result\\Zf.wav";
inline constexpr const char* kNegativeScoreSound = "sound\\Result\\Ff.wav";
inline constexpr const char* kWinnerSound = "sound\\Result\\Vic.wav";
inline constexpr const char* kResultMusic = "sound\\result\\BgMusic.mp3";
inline constexpr const char* kAwardsMusic = "sound\\cite\\Default.mp3";
inline constexpr const char* kAwardsSound1 = "sound\\cite\\sound-1.mp3";
inline constexpr const char* kConsolePicture = "\\background\\main.jpg";
inline constexpr const char* kSplashPicture = "\\background\\splash.jpg";
inline constexpr const char* kButtonPointer = "\\element\\cursor.png";
inline constexpr const char* kScoreEntryPicture = "\\element\\score.jpg";
inline constexpr const char* kHelpFile = "\\help.chm";
// The pictures designed with the settings pages (shown when no theme applies) and the about window.
inline constexpr const char* kSettingsPicture = "\\element\\design.jpg";
inline constexpr const char* kAboutPicture = "\\element\\about.jpg";
// The timed-stage editor's background, and its help picture of each timing mode.
inline constexpr const char* kStageEditorPicture = "\\element\\theme1.jpg";
inline constexpr const char* kModeHelpPicture[3] = {"\\helpimg\\1.jpg", "\\helpimg\\2.jpg",
                                                    "\\helpimg\\3.jpg"};
}  // namespace builtin

}  // namespace common
