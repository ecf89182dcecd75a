#!/usr/bin/env bash
# Records the help video: Numora in use on a virtual screen, a 6/49 pick from the main window
# to the selections shown, as Motion JPEG in AVI.
#
#   scripts/make-help-video.sh [OUT.avi]        default assets/video/NumoraHelpMov.avi
#
# The program is $NUMORA_PROGRAM, default build/app/numora. Needs the Debian packages xvfb,
# x11-utils (xdpyinfo, xwininfo), openbox, xdotool, ffmpeg and imagemagick.
set -euo pipefail

out=${1:-assets/video/NumoraHelpMov.avi}
program=${NUMORA_PROGRAM:-build/app/numora}
# Close to the shape of the help video window's picture.
width=576
height=624
fps=10

for tool in Xvfb xdpyinfo openbox xdotool ffmpeg convert display; do
  command -v "$tool" >/dev/null || { echo "make-help-video: $tool is missing" >&2; exit 1; }
done
[ -x "$program" ] || { echo "make-help-video: no program at $program (build it first)" >&2; exit 1; }

work=$(mktemp -d)
pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

source "$(dirname "$0")/x11-driver.sh"
x11_session "${width}x${height}" || { echo "make-help-video: Xvfb did not start" >&2; exit 1; }
sleep 0.5
convert -size "${width}x${height}" gradient:'#3c6e96'-'#1d3a52' "$work/desktop.png"
display -window root "$work/desktop.png" >/dev/null 2>&1 || true

"$program" >"$work/numora.log" 2>&1 &
pids+=($!)
xdotool search --sync --onlyvisible --name '^Corvane Numora 1\.6$' >/dev/null
xdotool mousemove $((width - 40)) $((height - 40))
sleep 1

# Client-area origin of a window found by its title (xwininfo, since xdotool counts the window
# manager's frame twice).
origin() {
  local id
  id=$(xdotool search --sync --onlyvisible --name "$1" | head -1)
  xwininfo -id "$id" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF} END {print x, y}'
}

# Moves the pointer to x y in small steps, so the viewer can follow it.
glide() {
  local x0 y0 steps=12 i
  eval "$(xdotool getmouselocation --shell)"
  x0=$X y0=$Y
  for ((i = 1; i <= steps; i++)); do
    xdotool mousemove $((x0 + ($1 - x0) * i / steps)) $((y0 + ($2 - y0) * i / steps))
    sleep 0.03
  done
}

# Glides to a point given in twips within a window's client area, then clicks.
click_at() {
  local ox oy
  read -r ox oy <<<"$(origin "$1")"
  glide $((ox + $2 / 15)) $((oy + $3 / 15))
  sleep 0.25
  xdotool click 1
  sleep "${4:-0.6}"
}

ffmpeg -loglevel error -y -f x11grab -draw_mouse 1 -framerate "$fps" \
  -video_size "${width}x${height}" -i "$DISPLAY" \
  -c:v mjpeg -q:v 8 -pix_fmt yuvj420p -an "$work/video.avi" &
recorder=$!
pids+=($recorder)
sleep 1.5

# The 649 button of the main window.
click_at '^Corvane Numora 1\.6$' 487 187 1.2

# Six lucky numbers on the 6/49 entry screen: 9 buttons a row, 600 twips apart.
entry='^Numora- Enter  6 lucky numbers$'
for number in 7 12 19 23 31 42; do
  col=$(((number - 1) % 9)) row=$(((number - 1) / 9))
  click_at "$entry" $((240 + col * 600 + 247)) $((600 + row * 600 + 187)) 0.5
done
# "Entry of Draws done": OK.
box=$(xdotool search --sync --onlyvisible --name '^Entry of Draws done$' | head -1)
sleep 1.2
xdotool windowactivate --sync "$box" 2>/dev/null || true
xdotool key Return
sleep 0.6

# Next, then Show on the selection screen, then a look at the selections.
click_at "$entry" $((4440 + 547)) $((4800 + 187)) 1.2
click_at '^Number of 649 selections and Print$' $((240 + 547)) $((2760 + 247)) 1
read -r x y <<<"$(origin '^Numora$')"
glide $((x + 100)) $((y + 45))
sleep 3.5

kill -INT "$recorder"
wait "$recorder" || true
mkdir -p "$(dirname "$out")"
cp "$work/video.avi" "$out"
echo "make-help-video: wrote $out ($(stat -c %s "$out") bytes)"
