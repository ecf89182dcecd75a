#!/usr/bin/env bash
# Grabs the two pictures of the user guides from the running program on a virtual screen: the
# main window and the 6/49 entry screen with five lucky numbers entered, each cropped to its
# window. Then rebuilds the guides with them.
#
#   scripts/grab-guide-pictures.sh [OUT-FOLDER]   default assets/docs/pictures
#
# The program is $NUMORA_PROGRAM, default build/app/numora. Needs the Debian packages xvfb,
# x11-utils (xdpyinfo, xwininfo), openbox, xdotool, imagemagick and python3.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$here/assets/docs/pictures}
program=${NUMORA_PROGRAM:-build/app/numora}

for tool in Xvfb xdpyinfo xwininfo openbox xdotool import convert python3; do
  command -v "$tool" >/dev/null || { echo "grab-guide-pictures: $tool is missing" >&2; exit 1; }
done
[ -x "$program" ] || { echo "grab-guide-pictures: no program at $program (build it first)" >&2; exit 1; }

work=$(mktemp -d)
pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

source "$(dirname "$0")/x11-driver.sh"
x11_session 1024x768 || { echo "grab-guide-pictures: Xvfb did not start" >&2; exit 1; }
sleep 0.5

"$program" >"$work/numora.log" 2>&1 &
pids+=($!)

# Saves the window with the given title, title bar and border included.
grab() {
  local id
  id=$(xdotool search --sync --onlyvisible --name "$1" | head -1)
  sleep 0.8
  import -frame -window "$id" "$work/shot.png"
  convert "$work/shot.png" -strip "$2"
  echo "grab-guide-pictures: wrote $2 ($(identify -format '%wx%h' "$2"))"
}

# Clicks a point given in twips within a window's client area.
click_at() {
  local id x y
  id=$(xdotool search --sync --onlyvisible --name "$1" | head -1)
  read -r x y <<<"$(xwininfo -id "$id" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF} END {print x, y}')"
  xdotool mousemove $((x + $2 / 15)) $((y + $3 / 15)) click 1
  sleep 0.4
}

mkdir -p "$out"
main='^Corvane Numora 1\.6$'
grab "$main" "$out/main-window.png"

click_at "$main" 487 187
entry='^Numora- Enter  6 lucky numbers$'
for number in 7 12 19 23 31; do
  click_at "$entry" $((240 + (number - 1) % 9 * 600 + 247)) $((600 + (number - 1) / 9 * 600 + 187))
done
xdotool mousemove 1000 750
grab "$entry" "$out/entry-649.png"

python3 "$here/assets/docs/make-docs.py"
