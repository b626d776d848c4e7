#!/usr/bin/env bash
# Makes the default program folder data/: sounds, music, pictures, the button
# cursor, the sample presentation (through tools/make_presentation.py) and
# (through tools/make_config.py) the configuration files.
#
# Usage: tools/make_assets.sh [DATA_DIR]          (default: data/ of this repository)
#
# Needs the Debian packages sox, lame, imagemagick, fonts-noto-cjk,
# fonts-arphic-ukai and python3.  Re-runnable: every file is rebuilt from
# nothing, random numbers come from fixed seeds and no time stamps are
# written, so a second run on the same package versions gives the same bytes.
# Every file must stay below 200 KB; the script checks that at the end.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
data=$(realpath -m "${1:-$here/../data}")
limit=200000          # bytes; every shipped file stays below this
PYTHON=${PYTHON:-python3}

fail() { echo "make_assets: $*" >&2; exit 1; }

# ImageMagick: the real convert (or magick), never a wrapper earlier in PATH.
IM=""
for candidate in magick /usr/bin/convert-im6.q16 /usr/bin/convert; do
  if command -v "$candidate" >/dev/null 2>&1; then IM=$(command -v "$candidate"); break; fi
done
[ -n "$IM" ] || fail "ImageMagick is missing (apt-get install imagemagick)"
command -v sox >/dev/null || fail "sox is missing (apt-get install sox)"
command -v lame >/dev/null || fail "lame is missing (apt-get install lame)"
command -v "$PYTHON" >/dev/null || fail "python3 is missing (apt-get install python3)"

SANS=Noto-Sans-CJK-SC
SANS_BOLD=Noto-Sans-CJK-SC-Bold
SERIF_BOLD=Noto-Serif-CJK-SC-Bold
KAI=AR-PL-UKai-CN
fonts=$("$IM" -list font)
for font in "$SANS" "$SANS_BOLD" "$SERIF_BOLD" "$KAI"; do
  grep -q "Font: $font\$" <<<"$fonts" || fail "font $font is missing (apt-get install fonts-noto-cjk fonts-arphic-ukai)"
done

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export LC_ALL=C.UTF-8

W=1920
H=1080

# ---------------------------------------------------------------------------
# helpers
# ---------------------------------------------------------------------------

# jpeg SRC DEST: writes SRC as a baseline JPEG, lowering the quality until the
# file is below the limit.
jpeg() {
  local src=$1 dest=$2 quality
  mkdir -p "$(dirname "$dest")"
  for quality in 90 86 82 78 74 70 65 60 55 50; do
    "$IM" "$src" -strip -interlace none -sampling-factor 2x2 -quality "$quality" "$dest"
    if [ "$(stat -c %s "$dest")" -lt "$limit" ]; then return 0; fi
  done
  fail "$dest stays above $limit bytes"
}

# scatter SEED COUNT XMIN XMAX YMIN YMAX RMIN RMAX [COLOURS]: MVG circles at
# seeded random places; with COLOURS (comma separated) each gets a fill.
scatter() {
  "$PYTHON" - "$@" <<'EOF'
import random, sys
seed, count, xmin, xmax, ymin, ymax, rmin, rmax = map(int, sys.argv[1:9])
colours = sys.argv[9].split(",") if len(sys.argv) > 9 else []
rng = random.Random(seed)
for _ in range(count):
    x, y, r = rng.randint(xmin, xmax), rng.randint(ymin, ymax), rng.randint(rmin, rmax)
    fill = f"fill {rng.choice(colours)} " if colours else ""
    print(f"{fill}circle {x},{y} {x + r},{y}")
EOF
}

# confetti SEED COUNT XMIN XMAX YMIN YMAX COLOURS [CLEAR_X0 CLEAR_Y0 CLEAR_X1
# CLEAR_Y1]: MVG small turned rectangles, none inside the clear box.
confetti() {
  "$PYTHON" - "$@" <<'EOF'
import math, random, sys
seed, count, xmin, xmax, ymin, ymax = map(int, sys.argv[1:7])
colours = sys.argv[7].split(",")
clear = list(map(int, sys.argv[8:12])) if len(sys.argv) > 8 else None
rng = random.Random(seed)
placed = 0
while placed < count:
    x, y = rng.randint(xmin, xmax), rng.randint(ymin, ymax)
    if clear and clear[0] <= x <= clear[2] and clear[1] <= y <= clear[3]:
        continue
    placed += 1
    w, h, a = rng.randint(8, 18), rng.randint(4, 8), rng.uniform(0, math.pi)
    c, s = math.cos(a), math.sin(a)
    corners = [(x + dx * c - dy * s, y + dx * s + dy * c)
               for dx, dy in ((-w, -h), (w, -h), (w, h), (-w, h))]
    points = " ".join(f"{px:.1f},{py:.1f}" for px, py in corners)
    print(f"fill {rng.choice(colours)} polygon {points}")
EOF
}

# rays CX CY COUNT LENGTH HALFWIDTH_DEGREES: MVG wedges fanning out of a point.
rays() {
  "$PYTHON" - "$@" <<'EOF'
import math, sys
cx, cy, count, length = map(int, sys.argv[1:5])
half = math.radians(float(sys.argv[5]))
for i in range(count):
    a = 2 * math.pi * i / count
    p1 = (cx + length * math.cos(a - half), cy + length * math.sin(a - half))
    p2 = (cx + length * math.cos(a + half), cy + length * math.sin(a + half))
    print(f"polygon {cx},{cy} {p1[0]:.1f},{p1[1]:.1f} {p2[0]:.1f},{p2[1]:.1f}")
EOF
}

# stripes W H SPACING COLOUR: a layer of thin diagonal lines, for a faint
# texture ("$tmp/stripes.png").
stripes() {
  "$IM" -size "$1x$2" xc:none -fill none -stroke "$4" -strokewidth 2 -draw "$("$PYTHON" -c "
for k in range(-$2, $1 + $3, $3): print(f'line {k},$2 {k + $2},0')")" "$tmp/stripes.png"
}

# left_mask W H CLEAR: an alpha mask, clear over the left CLEAR pixels and
# ramping up softly after them, to keep the button column of a screen calm.
# Used with "-compose dst-in -composite" on a layer above it.
left_mask() {
  "$IM" -size "$1x$2" xc:black -fill white -draw "rectangle $(($3 + 80)),0 $1,$2" -blur 0x60 \
    -alpha copy "$tmp/mask.png"
}

# ---------------------------------------------------------------------------
# sounds and music
# ---------------------------------------------------------------------------

echo "sounds"
rm -rf "$data/sound"
mkdir -p "$data/sound/Warn" "$data/sound/Timeout" "$data/sound/Cs" "$data/sound/Result" "$data/sound/cite"

"$PYTHON" "$here/make_sounds.py" "$tmp/dry"

# -D: no dither, -R: the same random numbers at every run.
fx() { sox -D -R "$@"; }
wav_out=(-r 22050 -c 1 -b 16 -e signed-integer)

# Warning: two soft beeps, a C6 sine with round edges.
fx -n "${wav_out[@]}" "$data/sound/Warn/Default.wav" \
  synth 0.13 sine 1046.5 fade q 0.015 0.13 0.06 pad 0 0.11 repeat 1 pad 0 0.15 reverb 15 50 40 gain -n -4
# Time-up: two bell strokes with a little room.
fx "$tmp/dry/timeout.wav" "${wav_out[@]}" "$data/sound/Timeout/Default.wav" pad 0 0.3 reverb 25 50 60 gain -n -1
# Over-limit: two rounded buzzes.
fx "$tmp/dry/overtime.wav" "${wav_out[@]}" "$data/sound/Cs/Default.wav" lowpass 2500 pad 0 0.15 reverb 10 50 30 gain -n -3
# Announcements: affirmative score, negative score, winner.
fx "$tmp/dry/zf.wav" "${wav_out[@]}" "$data/sound/Result/Zf.wav" pad 0 0.4 reverb 30 50 70 gain -n -1
fx "$tmp/dry/ff.wav" "${wav_out[@]}" "$data/sound/Result/Ff.wav" pad 0 0.4 reverb 30 50 70 gain -n -1
fx "$tmp/dry/vic.wav" "${wav_out[@]}" "$data/sound/Result/Vic.wav" pad 0 0.4 reverb 35 50 80 gain -n -1

# Music: mono MP3 at 22.05 kHz, 56 kbit/s.
mp3() {
  fx "$1" "${wav_out[@]}" "$tmp/music.wav" "${@:3}"
  lame --quiet --noreplaygain -q 2 -m m -b 56 "$tmp/music.wav" "$2"
}
mp3 "$tmp/dry/cite.wav" "$data/sound/cite/Default.mp3" pad 0 0.5 reverb 35 50 80 gain -n -1.5
mp3 "$tmp/dry/cite2.wav" "$data/sound/cite/sound-1.mp3" pad 0 0.5 reverb 35 50 80 gain -n -1.5
# the announcement music loops: no tail after its last bar
mp3 "$tmp/dry/result.wav" "$data/sound/Result/BgMusic.mp3" reverb 30 50 70 gain -n -1.5

# ---------------------------------------------------------------------------
# pictures
# ---------------------------------------------------------------------------

echo "pictures"
rm -rf "$data/background" "$data/Theme" "$data/helpimg" "$data/element"
mkdir -p "$data/background" "$data/Theme" "$data/helpimg" "$data/element"

# Console background: calm night blue, light stripes and soft lights that keep
# away from the button column on the left, a generic title in the middle.
stripes $W $H 36 'rgba(255,255,255,0.045)'
left_mask $W $H 200
"$IM" -size ${W}x${H} gradient:'#123266'-'#06122b' \
  \( -size 1800x1800 radial-gradient:'#1d4a8c'-black \) -geometry +500-500 -compose screen -composite \
  \( "$tmp/stripes.png" \
     \( -size ${W}x${H} xc:none -fill 'rgba(140,185,255,0.07)' -draw "$(scatter 7 28 300 1900 0 1000 30 150)" -blur 0x6 \) \
     -compose over -composite \
     "$tmp/mask.png" -compose dst-in -composite \) -compose over -composite \
  \( -size 360x$H -define gradient:direction=east gradient:'rgba(0,0,0,0.4)'-'rgba(0,0,0,0)' \) -geometry +0+0 -composite \
  -font "$SERIF_BOLD" -pointsize 150 -kerning 60 -gravity center \
  -fill 'rgba(0,0,0,0.45)' -annotate +106-114 '辩论赛' \
  -fill '#f3d98e' -annotate +100-120 '辩论赛' \
  -fill none -stroke 'rgba(243,217,142,0.7)' -strokewidth 2 -draw "line 760,592 1360,592" -stroke none \
  -font "$SANS" -pointsize 34 -kerning 14 -fill '#b9c9e6' -annotate +100+110 'DEBATE COMPETITION' \
  "$tmp/main.miff"
jpeg "$tmp/main.miff" "$data/background/main.jpg"

# Splash, 480 x 300: name and purpose on a blue-green gradient with a clock
# mark; the lower right corner stays plain for the version label.
"$IM" -size 300x480 gradient:'#0c2a5e'-'#1b6f86' -rotate -90 \
  \( -size 480x480 radial-gradient:'rgba(255,255,255,0.16)'-'rgba(255,255,255,0)' \) -geometry +120-240 -compose over -composite \
  -fill none -stroke 'rgba(255,233,168,0.9)' -strokewidth 5 -draw 'circle 400,78 400,38' \
  -strokewidth 4 -draw 'line 400,78 400,52' -draw 'line 400,78 420,90' \
  -stroke none -fill '#ffe9a8' -draw 'circle 400,78 404,78' \
  -font "$SANS_BOLD" -pointsize 64 -fill 'rgba(0,0,0,0.35)' -annotate +38+124 'Tallamo' \
  -fill white -annotate +36+120 'Tallamo' \
  -fill 'rgba(255,233,168,0.8)' -draw 'rectangle 40,142 300,144' \
  -font "$KAI" -pointsize 38 -fill '#ffe9a8' -kerning 4 -annotate +38+196 '辩论赛计时系统' \
  "$tmp/splash.miff"
jpeg "$tmp/splash.miff" "$data/background/splash.jpg"

# Timed-stage backgrounds.  Dark ones for the one-clock screens of each side,
# with the side named at the top; light ones for the screens whose fixed
# labels are black (two clocks; question and answer).
side_stage() {  # side_stage TOP BOTTOM GLOW WORD SEED OUT
  stripes $W $H 40 'rgba(255,255,255,0.035)'
  "$IM" -size ${W}x${H} gradient:"$1"-"$2" \
    \( -size 2200x2200 radial-gradient:"$3"-black \) -geometry -140-820 -compose screen -composite \
    "$tmp/stripes.png" -compose over -composite \
    \( -size ${W}x${H} xc:none -fill 'rgba(255,255,255,0.05)' -draw "$(scatter "$5" 18 0 1920 0 980 40 160)" -blur 0x8 \) -composite \
    \( -size ${W}x200 gradient:'rgba(0,0,0,0)'-'rgba(0,0,0,0.35)' \) -geometry +0+880 -composite \
    -fill none -stroke 'rgba(255,255,255,0.35)' -strokewidth 2 -draw 'line 620,150 840,150' -draw 'line 1080,150 1300,150' -stroke none \
    -font "$SERIF_BOLD" -pointsize 84 -kerning 30 -gravity north -fill 'rgba(255,255,255,0.55)' -annotate +0+92 "$4" \
    "$tmp/stage.miff"
  jpeg "$tmp/stage.miff" "$data/background/$6"
}
side_stage '#143a80' '#081a40' '#163c78' '正方' 21 stage_zf.jpg
side_stage '#6e1624' '#32060e' '#5e1a26' '反方' 22 stage_ff.jpg

# Question and answer (three clocks): two frames behind the turn clocks at the
# top, a soft field behind the total clock.
"$IM" -size ${W}x${H} gradient:'#f6f9fd'-'#dbe5f1' \
  -fill 'rgba(255,255,255,0.65)' -stroke '#b4c4da' -strokewidth 3 \
  -draw 'roundrectangle 230,70 790,350 28,28' -draw 'roundrectangle 1075,70 1710,350 28,28' \
  -stroke none -fill 'rgba(255,255,255,0.45)' -draw 'roundrectangle 170,385 1750,905 40,40' \
  -fill '#2f6fd6' -draw 'rectangle 230,70 790,80' -fill '#d64545' -draw 'rectangle 1075,70 1710,80' \
  -fill 'rgba(20,40,90,0.06)' -draw "rectangle 0,965 $W,$H" \
  "$tmp/qa.miff"
jpeg "$tmp/qa.miff" "$data/background/stage_qa.jpg"

# Two clocks: a blue band for the affirmative clock above, a red one for the
# negative clock below.
"$IM" -size ${W}x${H} gradient:'#f7f9fc'-'#e3e9f2' \
  -fill 'rgba(47,111,214,0.12)' -stroke 'rgba(47,111,214,0.45)' -strokewidth 3 -draw 'roundrectangle 110,80 1810,470 36,36' \
  -fill 'rgba(214,69,69,0.11)' -stroke 'rgba(214,69,69,0.45)' -draw 'roundrectangle 110,490 1810,905 36,36' \
  -stroke none -fill '#2f6fd6' -draw 'roundrectangle 110,80 134,470 12,12' \
  -fill '#d64545' -draw 'roundrectangle 110,490 134,905 12,12' \
  -fill 'rgba(20,40,90,0.06)' -draw "rectangle 0,950 $W,$H" \
  "$tmp/free.miff"
jpeg "$tmp/free.miff" "$data/background/stage_free.jpg"

# Transition pictures: the stage's title, large; the lower right corner stays
# plain for the screen's button.
transition() {  # transition TOP BOTTOM GLOW TITLE SUBTITLE SEED OUT
  "$IM" -size ${W}x${H} gradient:"$1"-"$2" \
    \( -size 2000x2000 radial-gradient:"$3"-black \) -geometry -40-560 -compose screen -composite \
    \( -size ${W}x${H} xc:none -fill 'rgba(255,230,170,0.05)' -draw "$(rays 960 -200 36 2600 1.6)" -blur 0x3 \) -compose over -composite \
    \( -size ${W}x${H} xc:none -fill 'rgba(255,255,255,0.06)' -draw "$(scatter "$6" 22 0 1920 0 900 20 110)" -blur 0x6 \) -composite \
    -font "$SERIF_BOLD" -pointsize 230 -kerning 40 -gravity center \
    -fill 'rgba(0,0,0,0.5)' -annotate +8-42 "$4" -fill '#f6d67a' -annotate +0-50 "$4" \
    -fill none -stroke 'rgba(246,214,122,0.8)' -strokewidth 3 -draw 'line 520,700 1400,700' -stroke none \
    -fill '#f6d67a' -draw 'polygon 960,688 972,700 960,712 948,700' \
    -font "$SANS" -pointsize 44 -kerning 18 -fill '#e6ecf8' -annotate +0+230 "$5" \
    "$tmp/transition.miff"
  jpeg "$tmp/transition.miff" "$data/background/$7"
}
transition '#1a2f6e' '#070f2a' '#2d4fa8' '攻辩环节' 'CROSS-EXAMINATION' 31 transition1.jpg
transition '#5a1640' '#1c0618' '#8a2a5e' '自由辩论' 'FREE DEBATE' 32 transition2.jpg

# Extra-stage screens: the title at the top, the left edge calm for the
# return button, the middle open for the clock.
extra_stage() {  # extra_stage TOP BOTTOM GLOW TITLE SUBTITLE SEED OUT
  stripes $W $H 44 'rgba(255,255,255,0.04)'
  left_mask $W $H 180
  "$IM" -size ${W}x${H} gradient:"$1"-"$2" \
    \( -size 2000x2000 radial-gradient:"$3"-black \) -geometry -40-700 -compose screen -composite \
    \( "$tmp/stripes.png" \
       \( -size ${W}x${H} xc:none -fill 'rgba(255,255,255,0.06)' -draw "$(scatter "$6" 24 200 1920 0 1080 30 140)" -blur 0x7 \) \
       -compose over -composite "$tmp/mask.png" -compose dst-in -composite \) -compose over -composite \
    -font "$SERIF_BOLD" -pointsize 120 -kerning 36 -gravity north \
    -fill 'rgba(0,0,0,0.45)' -annotate +106+126 "$4" -fill '#f7e2a6' -annotate +100+120 "$4" \
    -font "$SANS" -pointsize 34 -kerning 14 -fill '#d8e4f0' -annotate +100+300 "$5" \
    "$tmp/extra.miff"
  jpeg "$tmp/extra.miff" "$data/background/$7"
}
extra_stage '#0f5a68' '#04222a' '#1b7a86' '观众提问' 'AUDIENCE QUESTIONS' 41 tw.jpg
extra_stage '#3e1f72' '#140a2c' '#5a3396' '嘉宾点评' 'GUEST COMMENTS' 42 dp.jpg

# Awards ceremony: red and gold with rays and confetti, left column calm.
left_mask $W $H 200
"$IM" -size ${W}x${H} gradient:'#9a1422'-'#3c040c' \
  \( -size 2200x2200 radial-gradient:'#c8343f'-black \) -geometry -140-900 -compose screen -composite \
  \( \( -size ${W}x${H} xc:none -fill 'rgba(255,214,120,0.09)' -draw "$(rays 1060 -120 40 2600 1.8)" -blur 0x4 \
        -fill 'rgba(255,214,120,0.85)' -draw "$(confetti 51 70 260 1900 0 1080 '#ffd866,#ffe9b0,#f5b940,#ffffff' 560 300 1580 740)" \) \
     "$tmp/mask.png" -compose dst-in -composite \) -compose over -composite \
  -font "$SERIF_BOLD" -pointsize 170 -kerning 50 -gravity center \
  -fill 'rgba(0,0,0,0.45)' -annotate +108-92 '颁奖典礼' -fill '#ffd866' -annotate +100-100 '颁奖典礼' \
  -fill none -stroke 'rgba(255,216,102,0.8)' -strokewidth 3 -draw 'line 660,600 1460,600' -stroke none \
  -font "$SANS" -pointsize 40 -kerning 18 -fill '#ffe9c4' -annotate +100+130 'AWARDS CEREMONY' \
  "$tmp/cite.miff"
jpeg "$tmp/cite.miff" "$data/background/cite.jpg"

# Result announcement: a spotlight behind the scores; no text of its own.
"$IM" -size ${W}x${H} gradient:'#1e1a5a'-'#07061c' \
  \( -size 2000x2000 radial-gradient:'#4b3f9e'-black \) -geometry -40-460 -compose screen -composite \
  \( -size ${W}x${H} xc:none -fill 'rgba(200,190,255,0.04)' -draw "$(rays 960 -300 30 2600 1.5)" -blur 0x4 \) -compose over -composite \
  \( -size ${W}x${H} xc:none -fill 'rgba(255,255,255,0.05)' -draw "$(scatter 61 26 0 1920 0 1080 20 120)" -blur 0x6 \) -composite \
  \( -size ${W}x200 gradient:'rgba(0,0,0,0)'-'rgba(0,0,0,0.35)' \) -geometry +0+880 -composite \
  "$tmp/result.miff"
jpeg "$tmp/result.miff" "$data/background/result.jpg"

# Winner: gold burst on red, confetti at the top and bottom edges, clear of the
# band where the announcement's captions stand (rows 150 to 860 at 1080); no
# text of its own.
"$IM" -size ${W}x${H} gradient:'#b0141f'-'#4a0409' \
  \( -size 1800x1800 radial-gradient:'#b23a2c'-black \) -geometry +60-360 -compose screen -composite \
  \( -size ${W}x${H} xc:none -fill 'rgba(255,222,130,0.08)' -draw "$(rays 960 540 44 1600 1.9)" -blur 0x5 \) -compose over -composite \
  -fill 'rgba(255,220,120,0.9)' -draw "$(confetti 71 60 0 1920 0 120 '#ffd866,#ffe9b0,#f5b940,#ffffff')" \
  -draw "$(confetti 72 60 0 1920 890 1040 '#ffd866,#ffe9b0,#f5b940,#ffffff')" \
  \( -size ${W}x200 gradient:'rgba(0,0,0,0)'-'rgba(0,0,0,0.35)' \) -geometry +0+880 -composite \
  "$tmp/winner.miff"
jpeg "$tmp/winner.miff" "$data/background/winner.jpg"

# Settings themes, 800 x 572 (the pages' proportions): light, so that black
# labels stay readable over them.
TW=800
TH=572
theme() {  # theme TOP BOTTOM MOTIF_COLOUR SEED OUT
  "$IM" -size ${TW}x${TH} gradient:"$1"-"$2" \
    \( -size ${TW}x${TH} xc:none -fill "$3" -draw "$(scatter "$4" 16 0 $TW 0 $TH 30 140)" -blur 0x10 \) -compose over -composite \
    -fill 'rgba(255,255,255,0.35)' -draw "rectangle 0,$((TH - 44)) $TW,$TH" \
    "$tmp/theme.miff"
  jpeg "$tmp/theme.miff" "$data/Theme/$5"
}
theme '#e8f2fc' '#c9def4' 'rgba(255,255,255,0.55)' 81 Theme1.jpg   # clear sky
"$IM" -size ${TW}x${TH} gradient:'#f1f8ef'-'#d6ebd2' \
  \( -size ${TW}x${TH} xc:none -fill 'rgba(70,140,80,0.10)' -draw "$("$PYTHON" -c "
for x, w in ((640, 26), (690, 18), (735, 30), (40, 22)):
    for y in range(-20, $TH, 130):
        print(f'roundrectangle {x},{y + 6} {x + w},{y + 124} 8,8')")" -blur 0x2 \) -compose over -composite \
  -fill 'rgba(255,255,255,0.35)' -draw "rectangle 0,$((TH - 44)) $TW,$TH" \
  "$tmp/theme.miff"
jpeg "$tmp/theme.miff" "$data/Theme/Theme2.jpg"                   # bamboo green
stripes $TW $TH 24 'rgba(150,120,80,0.05)'
"$IM" -size ${TW}x${TH} gradient:'#fbf6ea'-'#efe3c8' "$tmp/stripes.png" -compose over -composite \
  -seed 83 -attenuate 0.15 +noise gaussian -fill 'rgba(255,255,255,0.35)' -draw "rectangle 0,$((TH - 44)) $TW,$TH" \
  "$tmp/theme.miff"
jpeg "$tmp/theme.miff" "$data/Theme/Theme3.jpg"                   # rice paper
"$IM" -size ${TW}x${TH} gradient:'#f3f0f9'-'#dcd4ee' \
  \( -size ${TW}x${TH} xc:none -fill none -stroke 'rgba(255,255,255,0.55)' -strokewidth 18 \
     -draw 'circle 760,600 1060,600' -draw 'circle 760,600 990,600' -draw 'circle 760,600 920,600' \
     -draw 'circle 60,-40 260,-40' -draw 'circle 60,-40 190,-40' -blur 0x3 \) -compose over -composite \
  -fill 'rgba(255,255,255,0.35)' -draw "rectangle 0,$((TH - 44)) $TW,$TH" \
  "$tmp/theme.miff"
jpeg "$tmp/theme.miff" "$data/Theme/Theme4.jpg"                   # lavender dusk

# Background of the timed-stage editor page: a light, quiet grid.
"$IM" -size ${TW}x${TH} gradient:'#f5f7fa'-'#e4e9f0' \
  -fill none -stroke 'rgba(60,90,140,0.06)' -strokewidth 1 \
  -draw "$("$PYTHON" -c "
for x in range(0, $TW, 20): print(f'line {x},0 {x},$TH')
for y in range(0, $TH, 20): print(f'line 0,{y} $TW,{y}')")" \
  -stroke none -fill 'rgba(255,255,255,0.4)' -draw "rectangle 0,$((TH - 44)) $TW,$TH" \
  "$tmp/editor.miff"
jpeg "$tmp/editor.miff" "$data/element/theme1.jpg"

# Pictures designed with three windows, for a program that loads them from
# here: the settings pages without a theme, the about window (drawn at
# 800 x 340, then made the window's size, 533 x 227; labels in red over the
# right part) and the score-entry window.
stripes $TW $TH 28 'rgba(60,90,140,0.04)'
"$IM" -size ${TW}x${TH} gradient:'#f7f9fc'-'#e2e8f0' "$tmp/stripes.png" -compose over -composite \
  -fill 'rgba(255,255,255,0.4)' -draw "rectangle 0,$((TH - 44)) $TW,$TH" \
  "$tmp/design.miff"
jpeg "$tmp/design.miff" "$data/element/design.jpg"

"$IM" -size 340x800 gradient:'#fdfbf5'-'#e9eef6' -rotate -90 \
  -fill '#123266' -draw 'rectangle 0,0 300,340' \
  -fill none -stroke 'rgba(255,233,168,0.9)' -strokewidth 7 -draw 'circle 150,120 150,64' \
  -strokewidth 6 -draw 'line 150,120 150,84' -draw 'line 150,120 178,136' \
  -stroke none -fill '#ffe9a8' -draw 'circle 150,120 156,120' \
  -font "$SANS_BOLD" -pointsize 44 -fill white -gravity north -annotate -250+205 'Tallamo' \
  -font "$KAI" -pointsize 26 -fill '#ffe9a8' -annotate -250+268 '辩论赛计时系统' \
  -fill '#c9a44a' -draw 'rectangle 300,0 306,340' \
  -resize 533x227! "$tmp/about.miff"
jpeg "$tmp/about.miff" "$data/element/about.jpg"

"$IM" -size 640x480 gradient:'#f7f9fc'-'#dde6f1' \
  -fill '#123266' -draw 'rectangle 0,0 640,64' -fill '#c9a44a' -draw 'rectangle 0,64 640,68' \
  -fill 'rgba(255,255,255,0.6)' -draw 'roundrectangle 24,92 616,440 14,14' \
  "$tmp/score.miff"
jpeg "$tmp/score.miff" "$data/element/score.jpg"

# Help pictures of the three timing modes, 480 x 300: a small drawing of the
# screen each mode opens.
HW=480
HH=300
button_row() {  # MVG of small buttons along the bottom, from X, N buttons
  "$PYTHON" -c "
x = $1
for i in range($2):
    print(f'roundrectangle {x + i * 72},272 {x + i * 72 + 66},292 4,4')"
}
"$IM" -size ${HW}x${HH} gradient:'#143a80'-'#081a40' \
  -font "$SERIF_BOLD" -pointsize 18 -fill 'rgba(255,255,255,0.6)' -gravity north -annotate +0+14 '正方' \
  -font "$SANS_BOLD" -pointsize 78 -fill white -gravity center -annotate +0-6 '3分0秒' \
  -gravity northwest -fill 'rgba(255,255,255,0.85)' -draw "$(button_row 99 4)" \
  -font "$SANS" -pointsize 10 -fill '#203050' \
  -annotate +117+275 '初始化' -annotate +184+275 '开始计时' -annotate +256+275 '计时暂停' -annotate +322+275 '返回主界面' \
  -font "$SANS_BOLD" -pointsize 14 -fill '#ffcc00' -annotate +10+8 'Mode-1' \
  "$tmp/help1.miff"
jpeg "$tmp/help1.miff" "$data/helpimg/1.jpg"

"$IM" -size ${HW}x${HH} gradient:'#f7f9fc'-'#e3e9f2' \
  -fill 'rgba(47,111,214,0.14)' -stroke 'rgba(47,111,214,0.5)' -draw 'roundrectangle 24,34 456,128 10,10' \
  -fill 'rgba(214,69,69,0.13)' -stroke 'rgba(214,69,69,0.5)' -draw 'roundrectangle 24,136 456,230 10,10' -stroke none \
  -font "$KAI" -pointsize 26 -fill black -annotate +44+92 '正方' -annotate +44+194 '反方' \
  -font "$SANS_BOLD" -pointsize 50 -fill '#102a6e' -annotate +170+102 '3分12秒' -fill '#102a6e' -annotate +170+204 '4分0秒' \
  -fill '#2f6fd6' -draw 'rectangle 0,244 480,246' \
  -font "$SANS" -pointsize 14 -fill '#203050' -annotate +20+268 '← 或鼠标左键：正方计时' -annotate +262+268 '→ 或鼠标右键：反方计时' \
  -font "$SANS_BOLD" -pointsize 14 -fill '#c03030' -annotate +10+22 'Mode-2' \
  "$tmp/help2.miff"
jpeg "$tmp/help2.miff" "$data/helpimg/2.jpg"

"$IM" -size ${HW}x${HH} gradient:'#f6f9fd'-'#dbe5f1' \
  -fill 'rgba(255,255,255,0.7)' -stroke '#b4c4da' -draw 'roundrectangle 40,30 210,116 8,8' -draw 'roundrectangle 270,30 440,116 8,8' -stroke none \
  -fill '#2f6fd6' -draw 'rectangle 40,30 210,33' -fill '#d64545' -draw 'rectangle 270,30 440,33' \
  -font "$SANS_BOLD" -pointsize 13 -fill black -annotate +66+52 '提问方提问剩余时间' -annotate +296+52 '回答方回答剩余时间' \
  -pointsize 34 -annotate +98+102 '12s' -annotate +328+102 '30s' \
  -font "$SANS_BOLD" -pointsize 62 -fill '#102a6e' -gravity north -annotate +0+124 '5分47秒' -gravity northwest \
  -fill '#2f6fd6' -draw 'rectangle 0,240 480,242' \
  -font "$SANS" -pointsize 14 -fill '#203050' -annotate +30+266 '鼠标左键：提问方计时' -annotate +262+266 '鼠标右键：回答方计时' \
  -font "$SANS_BOLD" -pointsize 14 -fill '#c03030' -annotate +10+8 'Mode-3' \
  "$tmp/help3.miff"
jpeg "$tmp/help3.miff" "$data/helpimg/3.jpg"

# Button cursor, 32 x 32 with transparency: a white pointing hand with a dark
# outline, drawn large, scaled to 24 x 24 and placed at x 3, y 1; its hot spot
# (the tip of the finger) is at x 12, y 1.
"$IM" -size 128x128 xc:none \
  -fill white -stroke '#1a1a1a' -strokewidth 7 -draw "path '\
M 40,62 L 40,14 C 40,2 60,2 60,14 L 60,54 \
L 60,48 C 60,38 76,38 76,48 L 76,56 \
L 76,52 C 76,42 92,42 92,52 L 92,60 \
L 92,58 C 92,48 108,48 108,58 L 108,90 \
C 108,110 98,124 78,124 L 58,124 C 46,124 40,118 32,108 \
L 14,84 C 6,74 18,62 28,70 L 40,82 Z'" \
  -stroke '#1a1a1a' -strokewidth 4 -draw 'line 60,54 60,72' -draw 'line 76,56 76,72' -draw 'line 92,60 92,74' \
  -filter Lanczos -resize 24x24 -background none -gravity northwest -splice 3x1 -extent 32x32 \
  -channel A -black-threshold 3% +channel \
  -depth 8 -define png:exclude-chunks=date,time -define png:color-type=6 "$data/element/cursor.png"

# ---------------------------------------------------------------------------
# the rest of the folder
# ---------------------------------------------------------------------------

echo "control"
rm -rf "$data/OCX"
mkdir -p "$data/OCX"
# A placeholder of ours in place of the common-dialog control: Kestrin copies it into the system
# folder and registers it there; it holds no program code.
printf '%s\r\n' \
  'Tallamo COMDLG32.ocx placeholder' \
  '通用对话框控件的占位文件：Kestrin 在系统文件夹中找不到 COMDLG32.ocx 时将本文件复制过去并注册。' \
  'Stands in for the common-dialog control: Kestrin copies this file into the system folder and' \
  'registers it there when COMDLG32.ocx is missing. It holds no program code.' \
  > "$data/OCX/COMDLG32.ocx"
cat > "$data/OCX/README.txt" <<'EOF'
OCX 文件夹 / The OCX folder

此文件夹存放通用对话框控件文件 COMDLG32.ocx，供 Kestrin 在系统文件夹中缺少该控件时复制并注册。
这里的 COMDLG32.ocx 是本系统自带的占位文件，不含程序代码：Tallamo 的打开、保存、颜色和字体对话框
由程序自身提供，并不需要它。Kestrin 所用的系统文件夹由环境变量 TALLAMO_SYSTEM_FOLDER 指定，未指定时
为用户数据文件夹下的 Tallamo/system32；注册由与 Kestrin 放在一起的 regsvr32 程序完成，它把注册记录
写入系统文件夹中的 registry.ini。

This folder holds the common-dialog control file COMDLG32.ocx, for Kestrin to
copy into the system folder and register there when it is missing.  The file
here is a placeholder of ours and holds no program code: Tallamo's own open,
save, colour and font dialogs do not need it.  Kestrin's system folder is the
one that the environment variable TALLAMO_SYSTEM_FOLDER names, by default
Tallamo/system32 in the user's data folder; the regsvr32 program built beside
Kestrin registers the file by recording it in registry.ini there.
EOF

echo "presentation"
rm -rf "$data/ppt"
"$PYTHON" "$here/make_presentation.py" "$data" >/dev/null

echo "configuration"
"$PYTHON" "$here/make_config.py" "$data" >/dev/null

# ---------------------------------------------------------------------------
# check
# ---------------------------------------------------------------------------

too_big=$(find "$data" -type f -size +$((limit - 1))c)
[ -z "$too_big" ] || fail "files of $limit bytes or more: $too_big"
echo "data/ complete: $(find "$data" -type f | wc -l) files, all below $limit bytes"
