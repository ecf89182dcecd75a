#!/usr/bin/env bash
# The real program under Xvfb: Help, then the film picture opens the help video window, whose
# player lives in a module loaded on first use. Checks that the window opens and that the
# player reports no failure. Exit 77 = skipped, with the reason.
set -u
program=$(readlink -f "$1")
skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAILED: $*"; cat "$work/numora.log"; exit 1; }
for tool in Xvfb openbox xdotool; do command -v "$tool" >/dev/null || skip "$tool is not installed"; done

work=$(mktemp -d /tmp/numora-video.XXXXXX)
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done; wait 2>/dev/null; rm -rf "$work"' EXIT
source "$(dirname "$0")/private-home.sh"
private_home "$work"
source "$(dirname "$0")/../../scripts/x11-driver.sh"
x11_session || skip "Xvfb did not start"

QT_QPA_PLATFORM=xcb "$program" > "$work/numora.log" 2>&1 &
pids+=($!)
if splash=$(window '^$'); then xdotool key --window "$splash" space; fi
main=$(window '^Corvane Numora 1.6$') || fail "the main window did not show"
click "$main" $(at 3960 0 975 375)
help=$(window '^Numora Help$') || fail "Help did not open the help window"
click "$help" $(at 6000 4800 615 615)
window '^Numora Help Video Player$' > /dev/null || fail "the film picture did not open the video window"
sleep 2
if xdotool search --onlyvisible --name '^Numora INET 1.6$' > /dev/null 2>&1; then
  fail "the video player reported a failure"
fi
echo "1 passed, 0 failed"
