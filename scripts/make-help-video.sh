#!/usr/bin/env bash
# Records the help video: Numora in use on a virtual screen, chapter by chapter, each chapter
# opened by a title card and each step with a caption drawn into the picture. Each frame shows a
# piece of the screen as large as the help video window's picture area (337 x 369 pixels) around
# the window in use, doubled pixel for pixel: the player halves it to its picture area, so the
# window's texts are as large as on screen. (Frames of exactly 337 x 369 do not serve: their odd
# size comes out black or miscoloured through the player.)
#
#   scripts/make-help-video.sh [OUT.avi]        default assets/video/NumoraHelpMov.avi
#
# The program is $NUMORA_PROGRAM, default build/app/numora. Authoring tools only, from the
# Debian packages xvfb, x11-utils, openbox, xdotool, ffmpeg, imagemagick, bc and
# fonts-dejavu-core. The screen is recorded once without loss while the steps are played; each
# step is then cut out, framed, captioned and encoded as Motion JPEG on its own, and the pieces
# are joined as they are. NUMORA_VIDEO_KEEP=1 keeps the work folder (the recording, the
# timeline and the pieces).
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
out=$(readlink -f "${1:-$here/assets/video/NumoraHelpMov.avi}")
program=$(readlink -f "${NUMORA_PROGRAM:-$here/build/app/numora}")
fps=10
view_w=337 view_h=369   # the video window's picture area
band=52                 # caption band at the foot of the view
screen_w=1280 screen_h=1024
quality=${NUMORA_VIDEO_QUALITY:-5}   # Motion JPEG quantiser: 2 best .. 31 smallest
fonts=/usr/share/fonts/truetype/dejavu
bold=$fonts/DejaVuSansCondensed-Bold.ttf
plain=$fonts/DejaVuSans.ttf

for tool in Xvfb xwininfo openbox xdotool ffmpeg ffprobe convert display bc; do
  command -v "$tool" >/dev/null || { echo "make-help-video: $tool is missing" >&2; exit 1; }
done
[ -f "$bold" ] && [ -f "$plain" ] || { echo "make-help-video: the DejaVu fonts are missing" >&2; exit 1; }
[ -x "$program" ] || { echo "make-help-video: no program at $program (build it first)" >&2; exit 1; }

work=$(mktemp -d)
pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
  if [ -n "${NUMORA_VIDEO_KEEP:-}" ]; then echo "make-help-video: work files kept in $work"; else rm -rf "$work"; fi
}
trap cleanup EXIT

source "$here/scripts/x11-driver.sh"
X11_WM_CONFIG=$(x11_plain_titles "$work") x11_session "${screen_w}x${screen_h}" || { echo "make-help-video: Xvfb did not start" >&2; exit 1; }
convert -size "${screen_w}x${screen_h}" gradient:'#3c6e96'-'#1d3a52' "$work/desktop.png"
display -window root "$work/desktop.png" >/dev/null 2>&1 || true

# ---------------------------------------------------------------------------------------------
# The timeline: one line per title card ("title SECONDS CAPTION") or step ("shot X Y CAPTION
# START END", wall-clock times and the top left corner of the view on the screen).

timeline=$work/timeline
: >"$timeline"
open_shot=""

now() { date +%s.%N; }

# The lines of a caption, each in a file of its own so that no text needs escaping: prints the
# files' common name NAME (NAME.1, NAME.2).
caption_file() {
  local f n=0 line
  f=$(mktemp "$work/caption-XXXXXX")
  for line in "$@"; do
    n=$((n + 1))
    printf '%s' "$line" >"$f.$n"
  done
  echo "$f"
}

# Ends the step on screen, once its caption has been shown long enough to be read: 0.8 s and
# 0.035 s a character, counted on screen from the step's start (time left out by a cut is not).
end_shot() {
  [ -n "$open_shot" ] || return 0
  local chars wait
  chars=$(cat "$caption".* | wc -c)
  wait=$(echo "$caption_start + 0.8 + $chars * 0.035 - $(now)" | bc -l)
  if (($(echo "$wait > 0" | bc))); then sleep "$wait"; fi
  echo "$open_shot $(now)" >>"$timeline"
  open_shot=""
}

# step "X Y" LINE [LINE]: a step begins now, with the view at X Y and the caption given.
step() {
  end_shot
  caption=$(caption_file "${@:2}")
  caption_start=$(now)
  open_shot="shot $1 $caption $caption_start"
}

# cut: the time from now until the next step or recut is left out.
cut() {
  if [ -n "$open_shot" ]; then
    cut_at=$(now)
    echo "$open_shot $cut_at" >>"$timeline"
  fi
  open_shot=""
}

# recut "X Y": the step goes on with its caption, the view moved to X Y (a cut to another
# window, after the time between has been left out).
recut() {
  local at
  cut
  at=$(now)
  caption_start=$(echo "$caption_start + $at - $cut_at" | bc -l)
  open_shot="shot $1 $caption $at"
}

# title SECONDS LINE [LINE]: a title card before the next step.
title() {
  end_shot
  echo "title $1 $(caption_file "${@:2}")" >>"$timeline"
}

# The view placed so that screen point x y is in the middle of the picture above the caption
# band, kept on the screen.
view_at() {
  local x=$(($1 - view_w / 2)) y=$(($2 - (view_h - band) / 2))
  if ((x < 0)); then x=0; fi
  if ((y < 0)); then y=0; fi
  if ((x > screen_w - view_w)); then x=$((screen_w - view_w)); fi
  if ((y > screen_h - view_h)); then y=$((screen_h - view_h)); fi
  echo "$x $y"
}

# The view on a window: on the point at left, top twips of its client area; or on the whole
# window with its title bar where it fits above the band, else on its top part.
view_on() {
  local x y w h titlebar=22
  read -r x y w h <<<"$(client_rect "$1")"
  if [ $# -ge 3 ]; then
    view_at $((x + $2 / 15)) $((y + $3 / 15))
  elif ((h + titlebar <= view_h - band)); then
    view_at $((x + w / 2)) $((y + (h - titlebar) / 2))
  else
    view_at $((x + w / 2)) $((y - titlebar + (view_h - band) / 2))
  fi
}

# The centre of a control at left, top, width, height twips.
mid() { echo $(($1 + $3 / 2)) $(($2 + $4 / 2)); }

# The top left corner of a window's client area as rx ry, asked once per window (and again once
# it moved).
declare -A rects
rect_of() {
  [ -n "${rects[$1]:-}" ] || rects[$1]=$(client_rect "$1")
  read -r rx ry _ <<<"${rects[$1]}"
}

# Glides over the point at left, top twips of a window's client area and stays a while.
hover() {
  rect_of "$1"
  glide $((rx + $2 / 15)) $((ry + $3 / 15)) 7
  sleep "${4:-1}"
}

# Glides to the point at left, top twips of a window's client area and clicks it.
press() {
  hover "$1" "$2" "$3" 0.15
  xdotool click 1
  sleep "${4:-0.4}"
}

# The number button n of an entry screen: 9 a row, 600 twips apart; custom: 8 a row, 360 down.
ball() {
  if [ "${2:-}" = custom ]; then
    mid $((360 + ($1 - 1) % 8 * 600)) $((360 + ($1 - 1) / 8 * 360)) 495 255
  else
    mid $((240 + ($1 - 1) % 9 * 600)) $((600 + ($1 - 1) / 9 * 600)) 495 375
  fi
}

# Glides over a message box's button row and answers it with the Enter key.
answer() {
  local x y w h
  read -r x y w h <<<"$(client_rect "$1")"
  glide $((x + w / 2)) $((y + h - 18)) 7
  sleep "${2:-1}"
  xdotool windowactivate --sync "$1" 2>/dev/null || true
  xdotool key Return
  sleep 0.3
}

# Drags the thumb of an entry screen's slider (left, top, width in twips) from one position
# (0 to 9) to another.
drag_slider() {
  local left=$2 top=$3 width=$4 from=$5 to=$6 thumb=11 x0 x1 y
  rect_of "$1"
  x0=$((rx + left / 15 + thumb / 2 + from * (width / 15 - thumb) / 9))
  x1=$((rx + left / 15 + thumb / 2 + to * (width / 15 - thumb) / 9))
  y=$((ry + top / 15 + 10))
  glide "$x0" "$y" 7
  sleep 0.15
  xdotool mousedown 1
  glide "$x1" "$y" 14
  sleep 0.3
  xdotool mouseup 1
  sleep 0.2
}

# Moves a window (its frame) to x y; closes a window as its close box would.
place() { xdotool windowmove --sync "$1" "$2" "$3" 2>/dev/null || xdotool windowmove "$1" "$2" "$3"; unset "rects[$1]"; sleep 0.3; }
shut() { xdotool windowactivate --sync "$1" key --clearmodifiers alt+F4 2>/dev/null || true; sleep 0.3; }

need() { window "$1" || { echo "make-help-video: no window '$1'" >&2; exit 1; }; }

start_program() {
  QT_QPA_PLATFORM=xcb "$program" >>"$work/numora.log" 2>&1 &
  numora=$!
  pids+=("$numora")
  local splash
  if splash=$(window '^$'); then xdotool key --window "$splash" space 2>/dev/null || true; fi
  main=$(need '^Corvane Numora 1\.6$')
  xdotool mousemove $((screen_w / 2 + 60)) $((screen_h / 2 + 60))
  sleep 0.5
}

stop_program() {
  kill "$numora" 2>/dev/null || true
  wait "$numora" 2>/dev/null || true
  sleep 0.5
}

# ---------------------------------------------------------------------------------------------
# Recording

take=$work/take.mkv
ffmpeg -loglevel error -nostdin -f x11grab -draw_mouse 1 -framerate "$fps" \
  -video_size "${screen_w}x${screen_h}" -i "$DISPLAY" -copyts \
  -c:v libx264rgb -qp 0 -preset ultrafast -g "$fps" "$take" &
recorder=$!
pids+=("$recorder")
sleep 1

# Run 1: the 6/49 lottery from the main window to the printer question.
start_program

title 2.2 "Numora help video" "1  The main window"
step "$(view_on "$main")" "649, Super 7 and Custom start a lottery;" "Help opens the guide, About the version"
hover "$main" $(mid 0 0 975 375) 0.5
hover "$main" $(mid 960 0 975 375) 0.3
hover "$main" $(mid 1920 0 1095 375) 0.4
hover "$main" $(mid 3960 0 975 375) 0.5
hover "$main" $(mid 3000 0 975 375) 0.5

title 1.4 "2  Your lucky numbers"
step "$(view_on "$main")" "649 opens the 6/49 entry screen"
press "$main" $(mid 0 0 975 375) 0.2
entry=$(need '^Numora- Enter  6 lucky numbers$')
sleep 0.6
grid="$(view_on "$entry" 2880 2280)"
step "$grid" "Click your lucky numbers one at a time:" "they are listed under Lucky 649 numbers"
for n in 7 12 19 23 31; do press "$entry" $(ball $n) 0.1; done
sleep 0.8
step "$grid" "Each number can be entered only once"
press "$entry" $(ball 12) 0.1
box=$(need '^Number already entered$')
answer "$box" 1.3
step "$(view_on "$entry" 3600 3300)" "Undo removes the number entered last"
press "$entry" $(mid 4440 4320 1095 375) 0.8
step "$grid" "The set is complete:" "Entry of Draws done. Click OK"
press "$entry" $(ball 31) 0.2
press "$entry" $(ball 42) 0.1
box=$(need '^Entry of Draws done$')
answer "$box" 1.3

title 1.4 "3  The lucky number slider"
slider="$(view_on "$entry" 2900 4000)"
step "$slider" "The slider mixes in your lucky numbers:" "0 to 90 percent"
hover "$entry" 2900 4300 0.5
step "$slider" "At 0 Numora plays a plain quick pick:" "every ball is drawn at random"
drag_slider "$entry" 1560 4560 2775 2 0
sleep 0.6
step "$slider" "At 90 about nine balls in ten" "come from your lucky numbers"
drag_slider "$entry" 1560 4560 2775 0 9
sleep 0.6
step "$slider" "At 20, the default, about a fifth of the" "balls come from your lucky numbers"
drag_slider "$entry" 1560 4560 2775 9 2
sleep 0.6

title 1.4 "4  Next and the selections"
step "$(view_on "$entry" 3600 3300)" "Next takes your lucky numbers and the" "slider setting to the selection screen"
press "$entry" $(mid 4440 4800 1095 375) 0.2
cut
select=$(need '^Number of 649 selections and Print$')
recut "$(view_on "$select")"
sleep 0.3
step "$(view_on "$select")" "Choose how many selections (tickets):" "Five, Ten or Twenty"
press "$select" 1900 720 0.4
press "$select" 1900 1560 0.4
press "$select" 1900 1080 0.8

title 1.4 "5  Show"
step "$(view_on "$select")" "Show opens a window with your" "selections, one ticket per line"
press "$select" $(mid 240 2760 1095 495) 0.2
shown=$(need '^Numora$')
sleep 0.5
recut "$(view_on "$shown")"
sleep 1.2

title 1.4 "6  Print"
step "$(view_on "$select")" "Print asks: Is the printer on?"
press "$select" $(mid 1440 2760 1095 495) 0.2
box=$(need '^Print$')
sleep 0.4
step "$(view_on "$box")" "Click OK to print the selections on your" "default printer; then Numora closes"
hover "$box" 1000 500 1
end_shot
stop_program

# Run 2: Quick Pick, the odds, a custom lottery and the help window.
start_program

press "$main" $(mid 0 0 975 375) 0.2
entry=$(need '^Numora- Enter  6 lucky numbers$')
sleep 0.6
title 1.4 "7  Quick Pick"
step "$(view_on "$entry" 2400 3700)" "Quick Pick goes to the selection screen" "at once, without lucky numbers"
press "$entry" $(mid 240 4800 1095 375) 0.2
cut
select=$(need '^Number of 649 selections and Print$')
recut "$(view_on "$select")"
sleep 0.3
step "$(view_on "$select")" "Twenty selections, then Show"
press "$select" 1900 1560 0.6
press "$select" $(mid 240 2760 1095 495) 0.2
shown=$(need '^Numora$')
sleep 0.5
step "$(view_on "$shown" 1150 2300)" "Twenty tickets, drawn at random"
sleep 1
end_shot
shut "$shown"
shut "$select"

press "$main" $(mid 960 0 975 375) 0.2
super7=$(need '^Enter 7 lucky numbers$')
sleep 0.6
title 1.4 "8  The odds"
step "$(view_on "$super7" 2400 3300)" "Each entry screen has an Odds button"
press "$super7" $(mid 240 4200 1095 375) 0.2
odds=$(need '^The odds of the lottery')
sleep 0.5
step "$(view_on "$odds" 2640 1600)" "The odds of winning the lottery:" "for Super 7, 1 in 62,891,499"
hover "$odds" 2400 2900 1
end_shot
shut "$odds"
shut "$super7"

title 1.4 "9  A lottery of your own"
step "$(view_on "$main")" "Custom sets up a lottery of your own"
press "$main" $(mid 1920 0 1095 375) 0.2
settings=$(need '^Custom Lottery Settings$')
sleep 0.5
step "$(view_on "$settings")" "Change each value with its arrows or" "type it into its box: here a set of 3"
for _ in 1 2 3; do press "$settings" $(mid 3000 120 480 480) 0.3; done
step "$(view_on "$settings")" "A value out of range is corrected:" "90 balls in lottery become 80"
press "$settings" $(mid 2400 1440 375 285) 0.1
xdotool key ctrl+a
xdotool type --delay 120 90
sleep 0.6
press "$settings" $(mid 3720 2040 855 375) 0.1
box=$(need '^Numora INET 1\.6$')
answer "$box" 1.5
cut
custom=$(need '^Number set size')
step "$(view_on "$custom" 2760 2400)" "Now a button for each of the 80 balls;" "enter your 3 lucky numbers"
for n in 9 44 80; do press "$custom" $(ball $n custom) 0.1; done
box=$(need '^Entry of Draws done$')
answer "$box" 0.6
step "$(view_on "$custom" 3300 3900)" "From there everything works as for 6/49"
press "$custom" $(mid 4320 4800 855 375) 0.2
cut
select=$(need '^Custom lottery $')
recut "$(view_on "$select")"
press "$select" $(mid 240 3000 1095 495) 0.2
shown=$(need '^Custom lottery 6/80$')
sleep 0.3
step "$(view_on "$shown")" "Five tickets of 6 numbers from 80"
sleep 1
end_shot
shut "$shown"
shut "$select"

title 1.4 "10  Help in five languages"
step "$(view_on "$main")" "Help opens the user guide"
press "$main" $(mid 3960 0 975 375) 0.2
help=$(need '^Numora Help$')
place "$help" 10 560
sleep 0.4
step "$(view_on "$help" 4000 3700)" "A flag shows the guide in its language" "and switches Numora's buttons to it"
press "$help" $(mid 5160 4800 615 615) 1
step "$(view_on "$main")" "The main window now speaks German"
hover "$main" $(mid 1920 0 1095 375) 1
step "$(view_on "$help" 2800 3700)" "Spanish, then the British flag:" "English again"
press "$help" $(mid 3480 4800 615 615) 1
press "$help" $(mid 4320 4800 615 615) 1
step "$(view_on "$help" 4600 3700)" "The film picture plays this video"
hover "$help" $(mid 6000 4800 615 615) 1
end_shot
sleep 0.3

kill -INT "$recorder"
wait "$recorder" || true

# ---------------------------------------------------------------------------------------------
# Cutting, framing and captioning, each piece encoded once; then the pieces joined as they are.

origin=$(ffprobe -v error -select_streams v:0 -show_entries stream=start_time -of csv=p=0 "$take")
frame_w=$((2 * view_w)) frame_h=$((2 * view_h))
# Pictures are cut out and drawn on in RGB: filters working on subsampled pictures would round
# the odd size of the view down. A frame that repeats the one before it is left out (the file holds
# an empty frame in its place), so still moments cost nothing. Each piece's length is given
# to the join.
encode=(-r "$fps" -fps_mode passthrough -pix_fmt yuvj420p -c:v mjpeg -q:v "$quality" -an)
same=mpdecimate=hi=64:lo=64:frac=0:max=0

# The band and the lines NAME.1, NAME.2 of a step's caption, drawn on the doubled frame.
caption_filters() {
  local top=$((frame_h - 2 * band)) count=0 n filters
  while [ -f "$1.$((count + 1))" ]; do count=$((count + 1)); done
  filters="drawbox=x=0:y=$top:w=iw:h=$((2 * band)):color=0x10263a@0.9:t=fill"
  for ((n = 1; n <= count; n++)); do
    filters+=",drawtext=fontfile=$bold:textfile=$1.$n:expansion=none:fontsize=30:fontcolor=white"
    filters+=":x=(w-text_w)/2:y=$((top + (2 * band - count * 40) / 2 + 6 + (n - 1) * 40))"
  done
  echo "$filters"
}

# A title card: a small first line over a large second one, or one large line.
title_filters() {
  local filters="drawbox=x=80:y=$((frame_h / 2 - 56)):w=$((frame_w - 160)):h=4:color=0xf2c12e:t=fill"
  if [ -f "$1.2" ]; then
    filters+=",drawtext=fontfile=$plain:textfile=$1.1:expansion=none:fontsize=32:fontcolor=0xd6e4f0"
    filters+=":x=(w-text_w)/2:y=$((frame_h / 2 - 120))"
    filters+=",drawtext=fontfile=$bold:textfile=$1.2:expansion=none:fontsize=44:fontcolor=white"
  else
    filters+=",drawtext=fontfile=$bold:textfile=$1.1:expansion=none:fontsize=44:fontcolor=white"
  fi
  echo "$filters:x=(w-text_w)/2:y=$((frame_h / 2 - 24))"
}

: >"$work/pieces"
piece=0
while read -r kind a b c d e; do
  piece=$((piece + 1))
  seg=$work/piece-$(printf %03d $piece).avi
  if [ "$kind" = title ]; then   # title SECONDS CAPTION
    length=$a
    ffmpeg -loglevel error -nostdin -y -f lavfi -i "color=c=0x1d3a52:s=${frame_w}x${frame_h}:r=$fps:d=$a,format=rgb24" \
      -vf "$(title_filters "$b"),$same" "${encode[@]}" "$seg"
  else                           # shot X Y CAPTION START END
    length=$(printf %.1f "$(echo "$e - $d" | bc -l)")
    # The last piece keeps its frames, so that the file runs to its end.
    last=""
    [ "$piece" = "$(wc -l <"$timeline")" ] || last=",$same"
    ffmpeg -loglevel error -nostdin -y -ss "$(echo "$d - $origin" | bc -l)" -t "$length" -i "$take" \
      -vf "crop=$view_w:$view_h:$a:$b,format=rgb24,scale=$frame_w:$frame_h:flags=neighbor,$(caption_filters "$c")$last" \
      "${encode[@]}" "$seg"
  fi
  printf "file '%s'\nduration %s\n" "$seg" "$length" >>"$work/pieces"
done <"$timeline"

ffmpeg -loglevel error -nostdin -y -f concat -safe 0 -i "$work/pieces" -c copy "$work/video.avi"
mkdir -p "$(dirname "$out")"
cp "$work/video.avi" "$out"
seconds=$(ffprobe -v error -show_entries format=duration -of csv=p=0 "$out")
echo "make-help-video: wrote $out ($(stat -c %s "$out") bytes, $seconds s)"
