#!/usr/bin/env python3
"""Writes the default configuration files of the program folder (data/).

This file, in UTF-8, is the source of every INI file under data/config and
data/Update.  The files are written the way the program keeps them: GB18030
text (GBK-compatible), CR LF line ends, `[section]` lines and `key=value`
lines without blanks around '='.

Usage: tools/make_config.py [DATA_DIR]      (default: data/ of this repository)

Each file is described by a layout (its sections and their keys, in the order
the program writes them) and by the values.  A value missing from the layout,
a layout key without a value, or a value longer than the 99 bytes a reader
gets back stops the script, so a misspelt key never reaches data/.  A relative
path to a picture, sound or presentation that is not in DATA_DIR is reported
as a warning (tools/make_assets.sh makes those files before it runs this
script).
"""

import os
import sys

ENCODING = "gb18030"
MAX_VALUE_BYTES = 99  # a reader gets at most 99 bytes of a value back


def rgb(red, green, blue):
    """A colour as the program stores it: red + 256 * green + 65536 * blue."""
    return str(red + 256 * green + 65536 * blue)


# Paths of files shipped in data/.  The program stores the absolute path a
# file dialog returned; the install folder is not known here, so the shipped
# files name the file relative to the program folder, with a backslash as the
# program writes paths.
def shipped(relative):
    return relative.replace("/", "\\")


# --------------------------------------------------------------------------
# Colours
# --------------------------------------------------------------------------

WHITE = rgb(255, 255, 255)
GOLD = rgb(255, 204, 0)            # warning colour on the dark stage pictures
NIGHT_BLUE = rgb(22, 48, 92)       # console picture background/main.jpg
AFFIRMATIVE_BLUE = rgb(20, 52, 108)  # background/stage_zf.jpg
NEGATIVE_RED = rgb(96, 22, 36)     # background/stage_ff.jpg
PALE_BLUE = rgb(234, 240, 248)     # background/stage_qa.jpg and stage_free.jpg
INK_BLUE = rgb(16, 42, 110)        # clock on the light stage pictures
ALERT_RED = rgb(200, 20, 20)       # warning colour on the light stage pictures


# --------------------------------------------------------------------------
# Layouts: file -> [(section, [keys in the order the program writes them])]
# --------------------------------------------------------------------------

STAGE_KEYS = [
    "计时格式", "环节名称", "限时", "警告时间点", "计时字体", "计时字号",
    "计时字体加粗", "计时字体倾斜", "倒计时字体颜色", "时间不足时字体颜色",
    "背景颜色", "背景图片", "提问方一次提问限时", "回答方一次回答限时",
    "攻辩每次发言限时", "计时样式", "时间不足提示音", "自定义时间不足提示音",
    "时间到提示音", "自定义时间到提示音", "超时提示音", "自定义超时提示音",
    "使用过场图片", "过场图片",
]

EXTRA_STAGE_KEYS = ["环节名称", "背景颜色", "倒序限时", "背景图片", "显示计时", "倒序计时"]

ANNOUNCEMENT_FONT_KEYS = [
    element + prop
    for element in ("正反方", "代表队名称", "得分", "获胜方")
    for prop in ("字体", "字号", "字体加粗", "字体倾斜", "字体颜色")
]

LAYOUTS = {
    "config/main.ini": [("配置信息", ["背景颜色", "背景图片", "音量大小", "官方网站"])],
    "config/PPT.ini": [("配置信息", [
        "自定义环节一名称", "自定义环节二名称", "自定义环节三名称", "自定义环节四名称",
        "自定义环节一文件路径", "自定义环节二文件路径", "自定义环节三文件路径",
        "自定义环节四文件路径",
    ])],
    "config/TW&DP.ini": [("配置信息TW", EXTRA_STAGE_KEYS), ("配置信息DP", EXTRA_STAGE_KEYS)],
    "config/cite.ini": [("配置信息", [
        "背景颜色", "背景图片", "背景音乐", "自定义背景音乐", "循环播放", "音量大小",
    ])],
    "config/Result.ini": [
        ("得分", ["正方总成绩", "反方总成绩"]),
        ("配置信息", [
            "获胜方", "背景图片", "公布获胜方背景图片", "背景颜色",
            "公布正方得分时音效", "自定义公布正方得分时音效",
            "公布反方得分时音效", "自定义公布反方得分时音效",
            "公布获胜方时音效", "自定义公布获胜方时音效",
            "背景音乐", "自定义背景音乐", "循环播放", "音量大小", "设计模式",
        ]),
        ("字体设置", ANNOUNCEMENT_FONT_KEYS),
    ],
    "config/BasicInfo.ini": [("辩论赛信息", [
        "辩论赛名称", "主办单位", "承办单位", "协办单位", "正方辩题", "反方辩题",
        "正方代表队", "反方代表队",
        "正方一辩", "正方二辩", "正方三辩", "正方四辩",
        "反方一辩", "反方二辩", "反方三辩", "反方四辩",
        "评委一", "评委二", "评委三", "评委四", "评委五",
        "评委六", "评委七", "评委八", "评委九", "评委十",
    ])],
    "config/Theme.ini": [("配置信息", ["设置界面主题"])],
    "config/tache/timeformate.ini": [("配置信息", ["计时格式"])],
    "Update/Update.ini": [("配置信息", ["获取版本信息的网络地址"])],
}
for number in range(1, 9):
    LAYOUTS[f"config/tache/{number}.ini"] = [("配置信息", STAGE_KEYS)]


# --------------------------------------------------------------------------
# Values
# --------------------------------------------------------------------------

VALUES = {}

VALUES["config/main.ini"] = {"配置信息": {
    "背景颜色": NIGHT_BLUE,
    # Not empty, so that the console shows background\main.jpg: the file is
    # found relative to the program folder, and a path whose file is missing
    # falls back to the same picture.
    "背景图片": shipped("background/main.jpg"),
    "音量大小": "50",
    # The site address that the settings entrance's link opens; replaced by the
    # one the news and latest-version page gives.
    "官方网站": "https://www.example.org/tallamo/",
}}

VALUES["config/PPT.ini"] = {"配置信息": {
    "自定义环节一名称": "开幕致辞",
    "自定义环节二名称": "参赛队伍介绍",
    "自定义环节三名称": "评委介绍",
    "自定义环节四名称": "赛事回顾",
    # The sample presentation (tools/make_presentation.py), so that the first
    # button opens a real document in a new installation.
    "自定义环节一文件路径": shipped("ppt/opening.pptx"),
    "自定义环节二文件路径": "",
    "自定义环节三文件路径": "",
    "自定义环节四文件路径": "",
}}

VALUES["config/TW&DP.ini"] = {
    "配置信息TW": {
        "环节名称": "观众提问",
        "背景颜色": rgb(20, 84, 96),
        "倒序限时": "300",
        "背景图片": shipped("background/tw.jpg"),
        "显示计时": "1",
        "倒序计时": "1",
    },
    "配置信息DP": {
        "环节名称": "嘉宾点评",
        "背景颜色": rgb(64, 36, 108),
        "倒序限时": "600",
        "背景图片": shipped("background/dp.jpg"),
        "显示计时": "1",
        "倒序计时": "0",
    },
}

VALUES["config/cite.ini"] = {"配置信息": {
    "背景颜色": rgb(130, 28, 36),
    "背景图片": shipped("background/cite.jpg"),
    "背景音乐": "Default",
    "自定义背景音乐": "",
    "循环播放": "1",
    "音量大小": "80",
}}

ANNOUNCEMENT_FONTS = {
    # element: (face, size, bold, italic, colour)
    "正反方": ("华文行楷", "48", "False", "False", rgb(255, 215, 0)),
    "代表队名称": ("黑体", "42", "True", "False", WHITE),
    "得分": ("宋体", "72", "True", "False", rgb(255, 236, 120)),
    "获胜方": ("楷体_GB2312", "60", "True", "False", WHITE),
}

VALUES["config/Result.ini"] = {
    "得分": {"正方总成绩": "", "反方总成绩": ""},
    "配置信息": {
        "获胜方": "",
        "背景图片": shipped("background/result.jpg"),
        "公布获胜方背景图片": shipped("background/winner.jpg"),
        "背景颜色": rgb(40, 34, 96),
        "公布正方得分时音效": "Default",
        "自定义公布正方得分时音效": "",
        "公布反方得分时音效": "Default",
        "自定义公布反方得分时音效": "",
        "公布获胜方时音效": "Default",
        "自定义公布获胜方时音效": "",
        "背景音乐": "Default",
        "自定义背景音乐": "",
        "循环播放": "1",
        "音量大小": "60",
        "设计模式": "Off",
    },
    "字体设置": {
        element + prop: value
        for element, props in ANNOUNCEMENT_FONTS.items()
        for prop, value in zip(("字体", "字号", "字体加粗", "字体倾斜", "字体颜色"), props)
    },
}

VALUES["config/BasicInfo.ini"] = {"辩论赛信息": {
    "辩论赛名称": "第六届“青岚杯”大学生辩论赛总决赛",
    "主办单位": "青岚市大学生联合会",
    "承办单位": "青岚大学学生会",
    "协办单位": "明湖书院",
    "正方辩题": "大学生创业利大于弊",
    "反方辩题": "大学生创业弊大于利",
    "正方代表队": "青岚大学",
    "反方代表队": "明湖理工大学",
    "正方一辩": "林知远",
    "正方二辩": "苏晓晴",
    "正方三辩": "陈一鸣",
    "正方四辩": "周若溪",
    "反方一辩": "王子谦",
    "反方二辩": "赵思雨",
    "反方三辩": "何明轩",
    "反方四辩": "许嘉宁",
    "评委一": "张文澜",
    "评委二": "刘清和",
    "评委三": "孙婉如",
    "评委四": "郑海川",
    "评委五": "吴静仪",
    "评委六": "",
    "评委七": "",
    "评委八": "",
    "评委九": "",
    "评委十": "",
}}

VALUES["config/Theme.ini"] = {"配置信息": {"设置界面主题": "Theme-1"}}

VALUES["config/tache/timeformate.ini"] = {"配置信息": {"计时格式": "1"}}

VALUES["Update/Update.ini"] = {"配置信息": {
    "获取版本信息的网络地址": "https://www.example.org/tallamo/update.html",
}}


def stage(name, limit, warning, mode, font, size, bold, normal, warn_colour,
          background_colour, picture, question="", answer="", turn="",
          warning_sound="Default", time_up_sound="Default", overtime_sound="Default",
          transition=""):
    return {"配置信息": {
        "计时格式": "1",
        "环节名称": name,
        "限时": limit,
        "警告时间点": warning,
        "计时字体": font,
        "计时字号": size,
        "计时字体加粗": bold,
        "计时字体倾斜": "N",
        "倒计时字体颜色": normal,
        "时间不足时字体颜色": warn_colour,
        "背景颜色": background_colour,
        "背景图片": shipped(picture),
        "提问方一次提问限时": question,
        "回答方一次回答限时": answer,
        "攻辩每次发言限时": turn,
        "计时样式": mode,
        "时间不足提示音": warning_sound,
        "自定义时间不足提示音": "",
        "时间到提示音": time_up_sound,
        "自定义时间到提示音": "",
        "超时提示音": overtime_sound,
        "自定义超时提示音": "",
        "使用过场图片": "1" if transition else "0",
        "过场图片": shipped(transition),
    }}


AFFIRMATIVE = dict(normal=WHITE, warn_colour=GOLD, background_colour=AFFIRMATIVE_BLUE,
                   picture="background/stage_zf.jpg")
NEGATIVE = dict(normal=WHITE, warn_colour=GOLD, background_colour=NEGATIVE_RED,
                picture="background/stage_ff.jpg")

STAGES = [
    stage("正方一辩立论陈词", "180", "30", "Mode-1", "黑体", "150", "Y", **AFFIRMATIVE),
    stage("反方一辩立论陈词", "180", "30", "Mode-1", "黑体", "150", "Y", **NEGATIVE),
    stage("攻辩环节", "360", "30", "Mode-3", "宋体", "120", "Y",
          normal=INK_BLUE, warn_colour=ALERT_RED, background_colour=PALE_BLUE,
          picture="background/stage_qa.jpg", question="15", answer="30", turn="30",
          transition="background/transition1.jpg"),
    stage("正方攻辩小结", "90", "30", "Mode-1", "楷体_GB2312", "150", "Y", **AFFIRMATIVE),
    stage("反方攻辩小结", "90", "30", "Mode-1", "楷体_GB2312", "150", "Y", **NEGATIVE),
    stage("自由辩论", "240", "30", "Mode-2", "黑体", "96", "Y",
          normal=INK_BLUE, warn_colour=ALERT_RED, background_colour=PALE_BLUE,
          picture="background/stage_free.jpg", overtime_sound="None",
          transition="background/transition2.jpg"),
    stage("反方四辩总结陈词", "240", "30", "Mode-1", "宋体", "140", "Y", **NEGATIVE),
    stage("正方四辩总结陈词", "240", "30", "Mode-1", "宋体", "140", "Y", **AFFIRMATIVE),
]
for number, values in enumerate(STAGES, start=1):
    VALUES[f"config/tache/{number}.ini"] = values


# --------------------------------------------------------------------------
# Writing
# --------------------------------------------------------------------------

def render(path, layout, values):
    if set(values) != {section for section, _ in layout}:
        raise SystemExit(f"{path}: sections {sorted(values)} do not match the layout")
    lines = []
    for section, keys in layout:
        given = values[section]
        if set(given) != set(keys):
            extra = sorted(set(given) - set(keys))
            missing = [key for key in keys if key not in given]
            raise SystemExit(f"{path} [{section}]: unknown keys {extra}, missing keys {missing}")
        if lines:
            lines.append("")
        lines.append(f"[{section}]")
        for key in keys:
            value = given[key]
            size = len(value.encode(ENCODING))
            if size > MAX_VALUE_BYTES:
                raise SystemExit(f"{path} [{section}] {key}: {size} bytes, more than {MAX_VALUE_BYTES}")
            if any(c in value for c in "\r\n"):
                raise SystemExit(f"{path} [{section}] {key}: a value holds a line break")
            lines.append(f"{key}={value}")
    return ("\r\n".join(lines) + "\r\n").encode(ENCODING)


SHIPPED_FILE_EXTENSIONS = (".jpg", ".bmp", ".wav", ".mp3", ".ppt", ".pptx")


def check_shipped_paths(data_dir, path, values):
    """Every relative path to a picture, sound or presentation must name a file in data/."""
    for section, pairs in values.items():
        for key, value in pairs.items():
            if value.lower().endswith(SHIPPED_FILE_EXTENSIONS) and not os.path.isabs(value):
                target = os.path.join(data_dir, *value.split("\\"))
                if not os.path.isfile(target):
                    print(f"warning: {path} [{section}] {key}: {value} is not (yet) in {data_dir}",
                          file=sys.stderr)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    data_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, os.pardir, "data")
    data_dir = os.path.normpath(data_dir)
    if set(VALUES) != set(LAYOUTS):
        raise SystemExit(f"files without layout or values: {sorted(set(VALUES) ^ set(LAYOUTS))}")
    for path in sorted(LAYOUTS):
        content = render(path, LAYOUTS[path], VALUES[path])
        target = os.path.join(data_dir, *path.split("/"))
        os.makedirs(os.path.dirname(target), exist_ok=True)
        with open(target, "wb") as out:
            out.write(content)
        check_shipped_paths(data_dir, path, VALUES[path])
        print(f"{path}: {len(content)} bytes")


if __name__ == "__main__":
    main()
