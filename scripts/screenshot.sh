#!/usr/bin/env bash
# Starts the program under Xvfb, runs an optional xdotool script against it, and saves a
# screenshot of the whole screen: scripts/screenshot.sh OUT.png [SECONDS] [XDOTOOL-COMMANDS...]
set -u
out=$1; wait=${2:-2}; shift 2 || true
program=${NUMORA_PROGRAM:-build/app/numora}
display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
sleep 0.5
DISPLAY=$display "$program" >/tmp/numora-screenshot.log 2>&1 &
app=$!
sleep "$wait"
for cmd in "$@"; do DISPLAY=$display bash -c "$cmd"; sleep 0.7; done
DISPLAY=$display import -window root "$out"
kill $app 2>/dev/null
