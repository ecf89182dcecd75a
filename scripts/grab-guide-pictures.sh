#!/usr/bin/env bash
# Grabs the two pictures of each user guide from the running program on a virtual screen, in
# the guide's own language: the help window's flag for that language is clicked first, as a
# user would, then the main window and the 6/49 selection screen (reached with six lucky numbers
# and Next) are saved with their title bars. Then rebuilds the guides with them.
#
#   scripts/grab-guide-pictures.sh [OUT-FOLDER]   default assets/docs/pictures
#
# Writes OUT-FOLDER/<language>/main-window.png and selections-649.png for en, fr, de, it, es.
# The program is $NUMORA_PROGRAM, default build/app/numora. Needs the Debian packages xvfb,
# x11-utils, openbox, xdotool, imagemagick and python3.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$here/assets/docs/pictures}
program=$(readlink -f "${NUMORA_PROGRAM:-$here/build/app/numora}")

for tool in Xvfb xwininfo openbox xdotool import convert identify python3; do
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

source "$here/scripts/x11-driver.sh"
X11_WM_CONFIG=$(x11_plain_titles "$work") x11_session 1024x768 ||
  { echo "grab-guide-pictures: Xvfb did not start" >&2; exit 1; }

need() { window "$1" || { echo "grab-guide-pictures: no window '$1' ($lang)" >&2; exit 1; }; }

# Saves a window with its title bar and border, the pointer out of the way.
grab() {
  xdotool mousemove 1020 760
  sleep 0.8
  import -frame -window "$1" "$work/shot.png"
  convert "$work/shot.png" -strip "$2"
  echo "grab-guide-pictures: wrote $2 ($(identify -format '%wx%h' "$2"))"
}

# Flag of each guide's language in the help window, at its left edge in twips.
declare -A flag=([en]=4320 [fr]=120 [de]=5160 [it]=2640 [es]=3480)

for lang in en fr de it es; do
  QT_QPA_PLATFORM=xcb "$program" >"$work/numora.log" 2>&1 &
  numora=$!
  pids+=("$numora")
  if splash=$(window '^$'); then xdotool key --window "$splash" space 2>/dev/null || true; fi
  main=$(need '^Corvane Numora 1\.6$')

  click "$main" $(at 3960 0 975 375)
  help=$(need '^Numora Help$')
  click "$help" $(at "${flag[$lang]}" 4800 615 615)
  sleep 0.5
  xdotool windowactivate --sync "$help" key --clearmodifiers alt+F4
  sleep 0.5

  mkdir -p "$out/$lang"
  grab "$main" "$out/$lang/main-window.png"

  click "$main" $(at 0 0 975 375)
  entry=$(need '^Numora- Enter  6 lucky numbers$')
  for n in 7 12 19 23 31 42; do
    click "$entry" $(at $((240 + (n - 1) % 9 * 600)) $((600 + (n - 1) / 9 * 600)) 495 375)
  done
  box=$(need '^Entry of Draws done$')
  xdotool windowactivate --sync "$box" key Return
  sleep 0.5
  click "$entry" $(at 4440 4800 1095 375)
  select=$(need '^Number of 649 selections and Print$')
  grab "$select" "$out/$lang/selections-649.png"

  kill "$numora"
  wait "$numora" 2>/dev/null || true
done

python3 "$here/assets/docs/make-docs.py"
