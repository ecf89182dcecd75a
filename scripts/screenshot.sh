#!/usr/bin/env bash
# Starts the program under Xvfb with a small window manager, runs optional shell commands
# against it (xdotool and the helpers of scripts/x11-driver.sh), and saves a screenshot of the
# whole screen:   scripts/screenshot.sh OUT.png [SECONDS] [COMMANDS...]
set -u
out=$1; wait=${2:-2}; shift 2 || true
program=${NUMORA_PROGRAM:-build/app/numora}
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done' EXIT
source "$(dirname "$0")/x11-driver.sh"
x11_session || { echo "screenshot: Xvfb did not start" >&2; exit 1; }
"$program" > /tmp/numora-screenshot.log 2>&1 &
pids+=($!)
sleep "$wait"
for cmd in "$@"; do eval "$cmd"; sleep 0.7; done
import -window root "$out"
