#!/usr/bin/env python3
"""Writes the sample presentation of the program folder: ppt/opening.pptx.

Usage: tools/make_presentation.py [DATA_DIR]   (default: data/ of this repository)

The console's first presentation button (自定义环节一, config/PPT.ini) opens
this file, so that a new installation opens a real document at the first
click.  It is an Office Open XML presentation, 16:9, in the night blue of the
console picture, for the sample competition of config/BasicInfo.ini:

    1  the competition's name and organiser
    2  the two sides, their teams and motions
    3  开幕致辞, a short welcome
    4  比赛即将开始

Only the standard library is used.  The parts are written in sorted order
with fixed time stamps and permissions, so a second run gives the same bytes.
After writing, the script reads the file back and stops on a broken archive,
a part that is not well-formed XML, a relationship to a missing part or a part
without a content type.
"""

import io
import os
import posixpath
import sys
import xml.etree.ElementTree as ET
import zipfile
from xml.sax.saxutils import escape, quoteattr

RELATIVE_PATH = "ppt/opening.pptx"
MAX_BYTES = 200000  # every file of the program folder stays below this

# --------------------------------------------------------------------------
# The sample competition (config/BasicInfo.ini)
# --------------------------------------------------------------------------

COMPETITION = "第六届“青岚杯”大学生辩论赛总决赛"
ORGANISER = "青岚市大学生联合会"
AFFIRMATIVE_TEAM = "青岚大学"
NEGATIVE_TEAM = "明湖理工大学"
AFFIRMATIVE_MOTION = "正方：大学生创业利大于弊"
NEGATIVE_MOTION = "反方：大学生创业弊大于利"

# --------------------------------------------------------------------------
# Look
# --------------------------------------------------------------------------

FONT = "Noto Sans CJK SC"
LANG = "zh-CN"

BACKGROUND = "13305F"   # night blue, as background/main.jpg
GOLD = "F3D98E"         # titles, as the console picture's lettering
WHITE = "FFFFFF"
PALE_BLUE = "B9C9E6"    # secondary lines
BLUE = "2F6FD6"         # affirmative side, as the stage pictures
RED = "D64545"          # negative side

EMU_PER_INCH = 914400
SLIDE_W = 12192000      # 13.333 in
SLIDE_H = 6858000       # 7.5 in


def inch(value):
    return round(value * EMU_PER_INCH)


# --------------------------------------------------------------------------
# XML pieces
# --------------------------------------------------------------------------

DECLARATION = '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\r\n'

NS_A = "http://schemas.openxmlformats.org/drawingml/2006/main"
NS_P = "http://schemas.openxmlformats.org/presentationml/2006/main"
NS_R = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"
NS_REL = "http://schemas.openxmlformats.org/package/2006/relationships"
NS_CT = "http://schemas.openxmlformats.org/package/2006/content-types"
PML_NS = f'xmlns:a="{NS_A}" xmlns:r="{NS_R}" xmlns:p="{NS_P}"'

REL_TYPE = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
CT_PML = "application/vnd.openxmlformats-officedocument.presentationml."


def font_faces():
    return f'<a:latin typeface="{FONT}"/><a:ea typeface="{FONT}"/><a:cs typeface="{FONT}"/>'


def fill(colour, alpha=None):
    if alpha is None:
        return f'<a:solidFill><a:srgbClr val="{colour}"/></a:solidFill>'
    return f'<a:solidFill><a:srgbClr val="{colour}"><a:alpha val="{alpha}"/></a:srgbClr></a:solidFill>'


def run(text, size, colour, bold=False):
    """One run of text; SIZE in points."""
    b = ' b="1"' if bold else ""
    return (f'<a:r><a:rPr lang="{LANG}" altLang="en-US" sz="{size * 100}"{b} dirty="0">'
            f'{fill(colour)}{font_faces()}</a:rPr><a:t>{escape(text)}</a:t></a:r>')


def paragraph(runs, align="ctr", before=0, indent=0, line=None):
    """A paragraph of RUNS (strings from run(), or None for a line break);
    BEFORE is the space above it in points, INDENT its first-line indent in
    points, LINE its line spacing in percent."""
    spacing = f'<a:lnSpc><a:spcPct val="{line * 1000}"/></a:lnSpc>' if line else ""
    if before:
        spacing += f'<a:spcBef><a:spcPts val="{before * 100}"/></a:spcBef>'
    first = f' indent="{indent * 12700}"' if indent else ""
    body = "".join("<a:br/>" if r is None else r for r in runs)
    return f'<a:p><a:pPr algn="{align}"{first}>{spacing}<a:buNone/></a:pPr>{body}</a:p>'


class Shapes:
    """The shape tree of one slide; shape ids count up from 2."""

    def __init__(self):
        self.items = []

    def _id(self):
        return len(self.items) + 2

    def title(self, x, y, w, h, paragraphs, anchor="ctr"):
        """The slide's title placeholder, placed and formatted on the slide
        itself so that it looks the same wherever the layout puts titles."""
        n = self._id()
        self.items.append(
            f'<p:sp><p:nvSpPr><p:cNvPr id="{n}" name="标题 {n}"/>'
            f'<p:cNvSpPr><a:spLocks noGrp="1"/></p:cNvSpPr><p:nvPr><p:ph type="title"/></p:nvPr></p:nvSpPr>'
            f'<p:spPr>{xfrm(x, y, w, h)}</p:spPr>'
            f'<p:txBody><a:bodyPr wrap="square" lIns="0" rIns="0" anchor="{anchor}"><a:noAutofit/></a:bodyPr>'
            f'<a:lstStyle/>{"".join(paragraphs)}</p:txBody></p:sp>')

    def text(self, x, y, w, h, paragraphs, anchor="t", name="文本框"):
        n = self._id()
        self.items.append(
            f'<p:sp><p:nvSpPr><p:cNvPr id="{n}" name="{name} {n}"/><p:cNvSpPr txBox="1"/><p:nvPr/></p:nvSpPr>'
            f'<p:spPr>{xfrm(x, y, w, h)}<a:prstGeom prst="rect"><a:avLst/></a:prstGeom><a:noFill/></p:spPr>'
            f'<p:txBody><a:bodyPr wrap="square" lIns="0" rIns="0" anchor="{anchor}"><a:noAutofit/></a:bodyPr>'
            f'<a:lstStyle/>{"".join(paragraphs)}</p:txBody></p:sp>')

    def panel(self, x, y, w, h, colour, alpha, outline, paragraphs):
        """A rounded panel with centred text in it."""
        n = self._id()
        self.items.append(
            f'<p:sp><p:nvSpPr><p:cNvPr id="{n}" name="面板 {n}"/><p:cNvSpPr/><p:nvPr/></p:nvSpPr>'
            f'<p:spPr>{xfrm(x, y, w, h)}<a:prstGeom prst="roundRect"><a:avLst>'
            f'<a:gd name="adj" fmla="val 8000"/></a:avLst></a:prstGeom>{fill(colour, alpha)}'
            f'<a:ln w="28575">{fill(outline)}</a:ln></p:spPr>'
            f'<p:txBody><a:bodyPr wrap="square" lIns="{inch(0.2)}" rIns="{inch(0.2)}" anchor="ctr">'
            f'<a:noAutofit/></a:bodyPr><a:lstStyle/>{"".join(paragraphs)}</p:txBody></p:sp>')

    def rule(self, x, y, w, h=0.04, colour=GOLD):
        """A thin filled bar, as a rule under a title."""
        n = self._id()
        self.items.append(
            f'<p:sp><p:nvSpPr><p:cNvPr id="{n}" name="线条 {n}"/><p:cNvSpPr/><p:nvPr/></p:nvSpPr>'
            f'<p:spPr>{xfrm(x, y, w, h)}<a:prstGeom prst="rect"><a:avLst/></a:prstGeom>{fill(colour)}'
            f'<a:ln><a:noFill/></a:ln></p:spPr></p:sp>')

    def xml(self):
        return "".join(self.items)


def xfrm(x, y, w, h):
    """Position and size in inches."""
    return (f'<a:xfrm><a:off x="{inch(x)}" y="{inch(y)}"/>'
            f'<a:ext cx="{inch(w)}" cy="{inch(h)}"/></a:xfrm>')


def centred(width):
    """The left edge of a box of WIDTH inches centred on the slide."""
    return (SLIDE_W / EMU_PER_INCH - width) / 2


def group_properties():
    return ('<p:nvGrpSpPr><p:cNvPr id="1" name=""/><p:cNvGrpSpPr/><p:nvPr/></p:nvGrpSpPr>'
            '<p:grpSpPr><a:xfrm><a:off x="0" y="0"/><a:ext cx="0" cy="0"/>'
            '<a:chOff x="0" y="0"/><a:chExt cx="0" cy="0"/></a:xfrm></p:grpSpPr>')


def relationships(targets):
    """A relationships part: TARGETS is a list of (type, target), numbered
    rId1, rId2, ... in that order."""
    rels = "".join(
        f'<Relationship Id="rId{i}" Type={quoteattr(kind if kind.startswith("http") else REL_TYPE + kind)} '
        f'Target={quoteattr(target)}/>'
        for i, (kind, target) in enumerate(targets, start=1))
    return f'{DECLARATION}<Relationships xmlns="{NS_REL}">{rels}</Relationships>'


# --------------------------------------------------------------------------
# Slides
# --------------------------------------------------------------------------

TITLE_W = 12.0


def slide_title(shapes, text):
    """The common heading of the content slides: gold, centred, with a rule."""
    shapes.title(centred(TITLE_W), 0.45, TITLE_W, 1.0, [paragraph([run(text, 40, GOLD, bold=True)])])
    shapes.rule(centred(1.6), 1.52, 1.6)


def opening_slide():
    s = Shapes()
    head, final = COMPETITION[:-3], COMPETITION[-3:]  # "…辩论赛" / "总决赛"
    s.title(centred(TITLE_W), 1.3, TITLE_W, 2.9,
            [paragraph([run(head, 50, WHITE, bold=True), None, run(final, 72, GOLD, bold=True)], line=110)],
            anchor="b")
    s.rule(centred(4.0), 4.5, 4.0)
    s.text(centred(TITLE_W), 4.85, TITLE_W, 0.7,
           [paragraph([run(f"主办单位：{ORGANISER}", 28, PALE_BLUE)])], anchor="ctr")
    return s


def motions_slide():
    s = Shapes()
    slide_title(s, "辩题与参赛队伍")
    card_w, card_h, top = 5.5, 3.9, 2.15
    left = 0.67
    right = SLIDE_W / EMU_PER_INCH - left - card_w
    for x, colour, team, motion in ((left, BLUE, AFFIRMATIVE_TEAM, AFFIRMATIVE_MOTION),
                                    (right, RED, NEGATIVE_TEAM, NEGATIVE_MOTION)):
        s.panel(x, top, card_w, card_h, colour, 35000, colour, [
            paragraph([run(team, 48, WHITE, bold=True)]),
            paragraph([run(motion, 26, GOLD)], before=30),
        ])
    s.text(left + card_w, top, right - left - card_w, card_h,
           [paragraph([run("VS", 40, GOLD, bold=True)])], anchor="ctr")
    return s


WELCOME = [
    "尊敬的各位评委、各位来宾，亲爱的同学们：",
    "大家好！欢迎来到第六届“青岚杯”大学生辩论赛总决赛的现场。",
    "今天，两支代表队将围绕“大学生创业”展开最后的交锋。",
    "愿双方辩手以理服人、以辩会友，赛出风采，赛出水平。",
    "预祝本场比赛圆满成功！",
]


def welcome_slide():
    s = Shapes()
    slide_title(s, "开幕致辞")
    lines = [paragraph([run(WELCOME[0], 26, WHITE)], align="l")]
    lines += [paragraph([run(text, 26, WHITE)], align="l", before=14, indent=52) for text in WELCOME[1:]]
    lines.append(paragraph([run(ORGANISER, 24, PALE_BLUE)], align="r", before=28))
    s.text(1.17, 1.8, 11.0, 5.3, lines, anchor="ctr")
    return s


def closing_slide():
    s = Shapes()
    s.title(centred(TITLE_W), 1.6, TITLE_W, 1.7, [paragraph([run("比赛即将开始", 72, GOLD, bold=True)])],
            anchor="b")
    s.rule(centred(4.0), 3.55, 4.0)
    s.text(centred(TITLE_W), 3.9, TITLE_W, 1.7, [
        paragraph([run(f"正方　{AFFIRMATIVE_TEAM}", 28, WHITE), run("　VS　", 28, GOLD, bold=True),
                   run(f"反方　{NEGATIVE_TEAM}", 28, WHITE)]),
        paragraph([run("请各位观众将手机调至静音状态", 22, PALE_BLUE)], before=30),
    ])
    return s


SLIDES = [opening_slide, motions_slide, welcome_slide, closing_slide]


def slide_xml(shapes):
    return (f'{DECLARATION}<p:sld {PML_NS}><p:cSld><p:spTree>{group_properties()}{shapes.xml()}'
            '</p:spTree></p:cSld><p:clrMapOvr><a:masterClrMapping/></p:clrMapOvr></p:sld>')


# --------------------------------------------------------------------------
# Master, layout, theme
# --------------------------------------------------------------------------

def level_style(size, colour, bold=False, align="l", before=0):
    b = ' b="1"' if bold else ""
    spacing = f'<a:spcBef><a:spcPts val="{before * 100}"/></a:spcBef>' if before else ""
    return (f'<a:lvl1pPr marL="0" indent="0" algn="{align}" defTabSz="914400" rtl="0" eaLnBrk="1" '
            f'latinLnBrk="0" hangingPunct="1"><a:lnSpc><a:spcPct val="100000"/></a:lnSpc>{spacing}<a:buNone/>'
            f'<a:defRPr sz="{size * 100}"{b} kern="1200">{fill(colour)}{font_faces()}</a:defRPr></a:lvl1pPr>')


def placeholder(n, name, kind, x, y, w, h, with_text):
    ph = '<p:ph type="title"/>' if kind == "title" else '<p:ph type="body" idx="1"/>'
    geometry = f'{xfrm(x, y, w, h)}<a:prstGeom prst="rect"><a:avLst/></a:prstGeom>' if with_text else ""
    text = ('<a:p><a:r><a:rPr lang="zh-CN" altLang="en-US"/>'
            f'<a:t>{"单击此处编辑母版标题样式" if kind == "title" else "单击此处编辑母版文本样式"}</a:t>'
            '</a:r></a:p>') if with_text else "<a:p><a:endParaRPr lang=\"zh-CN\" altLang=\"en-US\"/></a:p>"
    return (f'<p:sp><p:nvSpPr><p:cNvPr id="{n}" name="{name}"/><p:cNvSpPr><a:spLocks noGrp="1"/></p:cNvSpPr>'
            f'<p:nvPr>{ph}</p:nvPr></p:nvSpPr><p:spPr>{geometry}</p:spPr>'
            f'<p:txBody><a:bodyPr/><a:lstStyle/>{text}</p:txBody></p:sp>')


def master_xml():
    background = f'<p:bg><p:bgPr>{fill(BACKGROUND)}<a:effectLst/></p:bgPr></p:bg>'
    shapes = (placeholder(2, "标题占位符 1", "title", centred(TITLE_W), 0.45, TITLE_W, 1.0, True)
              + placeholder(3, "文本占位符 2", "body", 0.67, 1.9, 12.0, 5.0, True))
    return (f'{DECLARATION}<p:sldMaster {PML_NS}><p:cSld>{background}<p:spTree>{group_properties()}{shapes}'
            '</p:spTree></p:cSld>'
            '<p:clrMap bg1="lt1" tx1="dk1" bg2="lt2" tx2="dk2" accent1="accent1" accent2="accent2" '
            'accent3="accent3" accent4="accent4" accent5="accent5" accent6="accent6" hlink="hlink" '
            'folHlink="folHlink"/>'
            '<p:sldLayoutIdLst><p:sldLayoutId id="2147483649" r:id="rId1"/></p:sldLayoutIdLst>'
            '<p:txStyles>'
            f'<p:titleStyle>{level_style(40, GOLD, bold=True, align="ctr")}</p:titleStyle>'
            f'<p:bodyStyle>{level_style(26, WHITE, before=10)}</p:bodyStyle>'
            f'<p:otherStyle>{level_style(18, WHITE)}</p:otherStyle>'
            '</p:txStyles></p:sldMaster>')


def layout_xml():
    shapes = (placeholder(2, "标题 1", "title", 0, 0, 0, 0, False)
              + placeholder(3, "内容占位符 2", "body", 0, 0, 0, 0, False))
    return (f'{DECLARATION}<p:sldLayout {PML_NS} type="obj" preserve="1">'
            f'<p:cSld name="标题和内容"><p:spTree>{group_properties()}{shapes}</p:spTree></p:cSld>'
            '<p:clrMapOvr><a:masterClrMapping/></p:clrMapOvr></p:sldLayout>')


def theme_xml():
    colours = (("dk1", "000000"), ("lt1", "FFFFFF"), ("dk2", "13305F"), ("lt2", "E7ECF5"),
               ("accent1", BLUE), ("accent2", RED), ("accent3", "C9A44A"), ("accent4", "1B7A86"),
               ("accent5", "5A3396"), ("accent6", "70AD47"), ("hlink", "0563C1"), ("folHlink", "954F72"))
    scheme = "".join(
        f'<a:{name}><a:srgbClr val="{value}"/></a:{name}>' for name, value in colours)
    faces = (f'<a:latin typeface="{FONT}"/><a:ea typeface="{FONT}"/><a:cs typeface=""/>'
             f'<a:font script="Hans" typeface="{FONT}"/>')
    plain = '<a:solidFill><a:schemeClr val="phClr"/></a:solidFill>'
    lines = "".join(
        f'<a:ln w="{w}" cap="flat" cmpd="sng" algn="ctr">{plain}<a:prstDash val="solid"/><a:miter lim="800000"/></a:ln>'
        for w in (6350, 12700, 19050))
    return (f'{DECLARATION}<a:theme xmlns:a="{NS_A}" name="Tallamo"><a:themeElements>'
            f'<a:clrScheme name="Tallamo">{scheme}</a:clrScheme>'
            f'<a:fontScheme name="Tallamo"><a:majorFont>{faces}</a:majorFont>'
            f'<a:minorFont>{faces}</a:minorFont></a:fontScheme>'
            f'<a:fmtScheme name="Tallamo"><a:fillStyleLst>{plain * 3}</a:fillStyleLst>'
            f'<a:lnStyleLst>{lines}</a:lnStyleLst>'
            '<a:effectStyleLst>' + '<a:effectStyle><a:effectLst/></a:effectStyle>' * 3 + '</a:effectStyleLst>'
            f'<a:bgFillStyleLst>{plain * 3}</a:bgFillStyleLst></a:fmtScheme>'
            '</a:themeElements><a:objectDefaults/><a:extraClrSchemeLst/></a:theme>')


# --------------------------------------------------------------------------
# Package
# --------------------------------------------------------------------------

def presentation_xml(count):
    slide_ids = "".join(f'<p:sldId id="{256 + i}" r:id="rId{2 + i}"/>' for i in range(count))
    return (f'{DECLARATION}<p:presentation {PML_NS} saveSubsetFonts="1">'
            '<p:sldMasterIdLst><p:sldMasterId id="2147483648" r:id="rId1"/></p:sldMasterIdLst>'
            f'<p:sldIdLst>{slide_ids}</p:sldIdLst>'
            f'<p:sldSz cx="{SLIDE_W}" cy="{SLIDE_H}"/><p:notesSz cx="6858000" cy="9144000"/>'
            f'<p:defaultTextStyle>{level_style(18, WHITE)}</p:defaultTextStyle></p:presentation>')


def parts():
    """Every part of the package: {name: bytes}."""
    count = len(SLIDES)
    files = {}
    overrides = [
        ("/docProps/app.xml", "application/vnd.openxmlformats-officedocument.extended-properties+xml"),
        ("/docProps/core.xml", "application/vnd.openxmlformats-package.core-properties+xml"),
        ("/ppt/presentation.xml", CT_PML + "presentation.main+xml"),
        ("/ppt/presProps.xml", CT_PML + "presProps+xml"),
        ("/ppt/viewProps.xml", CT_PML + "viewProps+xml"),
        ("/ppt/tableStyles.xml", CT_PML + "tableStyles+xml"),
        ("/ppt/slideMasters/slideMaster1.xml", CT_PML + "slideMaster+xml"),
        ("/ppt/slideLayouts/slideLayout1.xml", CT_PML + "slideLayout+xml"),
        ("/ppt/theme/theme1.xml", "application/vnd.openxmlformats-officedocument.theme+xml"),
    ] + [(f"/ppt/slides/slide{i}.xml", CT_PML + "slide+xml") for i in range(1, count + 1)]
    files["[Content_Types].xml"] = (
        f'{DECLARATION}<Types xmlns="{NS_CT}">'
        '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
        '<Default Extension="xml" ContentType="application/xml"/>'
        + "".join(f'<Override PartName="{name}" ContentType="{kind}"/>' for name, kind in overrides)
        + '</Types>')
    files["_rels/.rels"] = relationships([
        (REL_TYPE + "officeDocument", "ppt/presentation.xml"),
        ("http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties",
         "docProps/core.xml"),
        (REL_TYPE + "extended-properties", "docProps/app.xml"),
    ])
    files["docProps/core.xml"] = (
        f'{DECLARATION}<cp:coreProperties '
        'xmlns:cp="http://schemas.openxmlformats.org/package/2006/metadata/core-properties" '
        'xmlns:dc="http://purl.org/dc/elements/1.1/" xmlns:dcterms="http://purl.org/dc/terms/" '
        'xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">'
        f'<dc:title>{escape(COMPETITION)}</dc:title><dc:subject>开幕致辞</dc:subject>'
        f'<dc:creator>{escape(ORGANISER)}</dc:creator><dc:language>{LANG}</dc:language>'
        '</cp:coreProperties>')
    files["docProps/app.xml"] = (
        f'{DECLARATION}<Properties '
        'xmlns="http://schemas.openxmlformats.org/officeDocument/2006/extended-properties" '
        'xmlns:vt="http://schemas.openxmlformats.org/officeDocument/2006/docPropsVTypes">'
        f'<Application>Tallamo</Application><PresentationFormat>宽屏</PresentationFormat>'
        f'<Slides>{count}</Slides></Properties>')
    files["ppt/presentation.xml"] = presentation_xml(count)
    files["ppt/_rels/presentation.xml.rels"] = relationships(
        [("slideMaster", "slideMasters/slideMaster1.xml")]
        + [("slide", f"slides/slide{i}.xml") for i in range(1, count + 1)]
        + [("presProps", "presProps.xml"), ("viewProps", "viewProps.xml"),
           ("theme", "theme/theme1.xml"), ("tableStyles", "tableStyles.xml")])
    files["ppt/presProps.xml"] = f'{DECLARATION}<p:presentationPr {PML_NS}/>'
    files["ppt/viewProps.xml"] = (
        f'{DECLARATION}<p:viewPr {PML_NS}><p:normalViewPr><p:restoredLeft sz="15620"/>'
        '<p:restoredTop sz="94660"/></p:normalViewPr><p:gridSpacing cx="72008" cy="72008"/></p:viewPr>')
    files["ppt/tableStyles.xml"] = (
        f'{DECLARATION}<a:tblStyleLst xmlns:a="{NS_A}" def="{{5C22544A-7EE6-4342-B048-85BDC9FD1C3A}}"/>')
    files["ppt/slideMasters/slideMaster1.xml"] = master_xml()
    files["ppt/slideMasters/_rels/slideMaster1.xml.rels"] = relationships(
        [("slideLayout", "../slideLayouts/slideLayout1.xml"), ("theme", "../theme/theme1.xml")])
    files["ppt/slideLayouts/slideLayout1.xml"] = layout_xml()
    files["ppt/slideLayouts/_rels/slideLayout1.xml.rels"] = relationships(
        [("slideMaster", "../slideMasters/slideMaster1.xml")])
    files["ppt/theme/theme1.xml"] = theme_xml()
    for i, make in enumerate(SLIDES, start=1):
        files[f"ppt/slides/slide{i}.xml"] = slide_xml(make())
        files[f"ppt/slides/_rels/slide{i}.xml.rels"] = relationships(
            [("slideLayout", "../slideLayouts/slideLayout1.xml")])
    return {name: text.encode("utf-8") for name, text in files.items()}


def package(files):
    """The zip archive of FILES, the same bytes for the same FILES."""
    buffer = io.BytesIO()
    with zipfile.ZipFile(buffer, "w") as archive:
        for name in sorted(files):
            info = zipfile.ZipInfo(name, date_time=(1980, 1, 1, 0, 0, 0))
            info.compress_type = zipfile.ZIP_DEFLATED
            info.create_system = 3            # Unix, whatever system runs this
            info.external_attr = 0o100644 << 16
            archive.writestr(info, files[name], compresslevel=9)
    return buffer.getvalue()


def check(content):
    """Stops on a package a presentation program would refuse."""
    with zipfile.ZipFile(io.BytesIO(content)) as archive:
        bad = archive.testzip()
        if bad:
            raise SystemExit(f"{RELATIVE_PATH}: {bad} is damaged")
        names = set(archive.namelist())
        trees = {}
        for name in names:
            try:
                trees[name] = ET.fromstring(archive.read(name))
            except ET.ParseError as error:
                raise SystemExit(f"{RELATIVE_PATH}: {name} is not well-formed: {error}")
    types = trees["[Content_Types].xml"]
    defaults = {e.get("Extension") for e in types.iter(f"{{{NS_CT}}}Default")}
    overrides = {e.get("PartName")[1:] for e in types.iter(f"{{{NS_CT}}}Override")}
    for name in sorted(names - {"[Content_Types].xml"}):
        if name not in overrides and name.rsplit(".", 1)[-1] not in defaults:
            raise SystemExit(f"{RELATIVE_PATH}: {name} has no content type")
    for name in sorted(overrides - names):
        raise SystemExit(f"{RELATIVE_PATH}: a content type names the missing part {name}")
    for name in sorted(n for n in names if n.endswith(".rels")):
        folder = posixpath.dirname(posixpath.dirname(name))
        for rel in trees[name].iter(f"{{{NS_REL}}}Relationship"):
            target = posixpath.normpath(posixpath.join(folder, rel.get("Target")))
            if target not in names:
                raise SystemExit(f"{RELATIVE_PATH}: {name} points to the missing part {target}")
    if len(content) >= MAX_BYTES:
        raise SystemExit(f"{RELATIVE_PATH}: {len(content)} bytes, not below {MAX_BYTES}")


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    data_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, os.pardir, "data")
    target = os.path.join(os.path.normpath(data_dir), *RELATIVE_PATH.split("/"))
    content = package(parts())
    check(content)
    os.makedirs(os.path.dirname(target), exist_ok=True)
    with open(target, "wb") as out:
        out.write(content)
    print(f"{RELATIVE_PATH}: {len(content)} bytes")


if __name__ == "__main__":
    main()
