#!/usr/bin/env bash
# Resident memory of the program before and after a long session of flag clicks and window
# openings, to catch what each click or opening keeps: bench/window-memory.sh [BUILD_DIR] [FLAG_CLICKS] [OPENINGS]
#  - FLAG_CLICKS (200) clicks on the help window's flags, taking every flag in turn;
#  - OPENINGS (50) openings and closings of each of the help, video, About, agreement, odds
#    and custom settings windows.
# "Before" is measured after one warm-up round of all of them, so that what a first opening
# loads once (libraries, fonts, pictures) is not counted as growth. Fails when the program
# grows by more than 3 MB (MAX_GROWTH_KIB). With X11_DISPLAY set, uses that display (with its
# window manager) instead of starting its own; WINDOWS="help video about odds settings" narrows
# the openings to some of them (the agreement viewer goes with the About box).
set -u
build=${1:-build}; clicks=${2:-200}; openings=${3:-50}
max_growth=${MAX_GROWTH_KIB:-3072}
root=$(cd "$(dirname "$0")/.." && pwd)
program=$build/app/numora
[ -x "$program" ] || { echo "missing $program: build first" >&2; exit 2; }
for tool in Xvfb openbox xdotool; do command -v "$tool" > /dev/null || { echo "$tool is not installed" >&2; exit 2; }; done

pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done' EXIT
export QT_QPA_PLATFORM=xcb
source "$root/scripts/x11-driver.sh"
if [ -n "${X11_DISPLAY:-}" ]; then
  export DISPLAY=$X11_DISPLAY
else
  x11_session || { echo "Xvfb did not start" >&2; exit 1; }
fi

fail() { echo "FAILED: $*" >&2; exit 1; }
rss() { awk '/^VmRSS/ { print $2 }' "/proc/$app/status"; }
# As window(), without the pause for the window manager: these windows are only closed again.
shown() {
  local id
  for _ in $(seq 200); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.05
  done
  return 1
}
gone() {
  for _ in $(seq 200); do
    xdotool search --onlyvisible --name "$1" > /dev/null 2>&1 || return 0
    sleep 0.05
  done
  return 1
}
# Raises the window first: the entry screen opens over the main window. No --sync on the move:
# it waits for the pointer to move, which it does not when it is already there.
press() { xdotool windowactivate --sync "$1" mousemove --window "$1" "$2" "$3" click 1; }
# Closes a window through the window manager, as its close box does.
close() { xdotool windowactivate --sync "$2" key --clearmodifiers alt+F4; gone "$1" || fail "$1 did not close"; }

"$program" > /dev/null 2>&1 &
app=$!
pids+=($app)
if splash=$(window '^$'); then xdotool key --window "$splash" space 2>/dev/null; fi
main=$(window '^Corvane Numora 1.6$') || fail "the main window did not show"
entry_title='^Numora- Enter  6 lucky numbers$'
odds_title='[Oo]dds of (the )?lotter'
press "$main" $(at 0 0 975 375)
entry=$(window "$entry_title") || fail "the 6/49 entry screen did not open"

flags=(120 960 1800 2640 3480 4320 5160)
flag_clicks() { # $1 clicks, each flag in turn, in an open help window
  local help i
  help=$(shown '^Numora Help$') || fail "the help window is not open"
  for i in $(seq 0 $(($1 - 1))); do
    press "$help" $(at "${flags[i % 7]}" 4800 615 615)
    sleep 0.1
  done
}
windows=${WINDOWS:-help video about odds settings}
wanted() { [[ " $windows " == *" $1 "* ]]; }
round() { # $1 openings and closings of every window
  local i help about
  wanted help && for i in $(seq "$1"); do
    press "$main" $(at 3960 0 975 375)
    help=$(shown '^Numora Help$') || fail "Help did not open the help window"
    close '^Numora Help$' "$help"
  done
  press "$main" $(at 3960 0 975 375)
  help=$(shown '^Numora Help$') || fail "Help did not open the help window"
  wanted video && for i in $(seq "$1"); do
    press "$help" $(at 6000 4800 615 615)
    close '^Numora Help Video Player$' "$(shown '^Numora Help Video Player$' || fail "no video window")"
  done
  close '^Numora Help$' "$help"
  wanted about && for i in $(seq "$1"); do
    press "$main" $(at 3000 0 975 375)
    about=$(shown '^About Numora$') || fail "About did not open the About box"
    press "$about" $(at 240 4320 2535 495)
    close '^Numora End User License Agreement$' "$(shown '^Numora End User License Agreement$' || fail "no agreement viewer")"
    close '^About Numora$' "$about"
  done
  wanted odds && for i in $(seq "$1"); do
    press "$entry" $(at 240 4320 1095 375)
    close "$odds_title" "$(shown "$odds_title" || fail "Odds did not open the odds window")"
  done
  wanted settings && for i in $(seq "$1"); do
    press "$main" $(at 1920 0 1095 375)
    close '^Custom Lottery Settings$' "$(shown '^Custom Lottery Settings$' || fail "Custom did not open its settings")"
  done
}

# Warm-up: every window once, every flag once.
windows="help video about odds settings" round 1
press "$main" $(at 3960 0 975 375)
flag_clicks 7
close '^Numora Help$' "$(shown '^Numora Help$')"
sleep 1
before=$(rss)

press "$main" $(at 3960 0 975 375)
flag_clicks "$clicks"
close '^Numora Help$' "$(shown '^Numora Help$')"
round "$openings"
sleep 1
after=$(rss)

awk -v b="$before" -v a="$after" -v c="$clicks" -v o="$openings" -v m="$max_growth" 'BEGIN {
  printf "resident memory: %d KiB before, %d KiB after %d flag clicks and %d openings of each window: %+d KiB (at most %d)\n", b, a, c, o, a - b, m
  exit (a - b > m)
}'
