#!/usr/bin/env bash
# Start-up time and peak memory of the program against the floor of a minimal Qt Widgets
# program from the same build: bench/startup-memory.sh [BUILD_DIR] [RUNS]
#  - start-up: from starting the program to its first window being mapped (median of RUNS);
#  - peak memory: the program's peak resident set through a 6/49 flow (splash, main window,
#    six numbers, Next, Show) against the floor's peak with its window shown.
set -u
build=${1:-build}; runs=${2:-21}
root=$(cd "$(dirname "$0")/.." && pwd)
program=$build/app/numora floor=$build/bench/numora-floor mapwait=$build/bench/numora-mapwait
for f in "$program" "$floor" "$mapwait"; do [ -x "$f" ] || { echo "missing $f: build first" >&2; exit 2; }; done

pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done' EXIT
export QT_QPA_PLATFORM=xcb
source "$root/scripts/x11-driver.sh"
# No window manager while timing: top-level windows then map straight onto the root window.
X11_NO_WM=1 x11_session || { echo "Xvfb did not start" >&2; exit 1; }

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
# Alternate the two programs so that both see the same machine load.
: > /tmp/numora-startup.$$; : > /tmp/floor-startup.$$
"$mapwait" "$program" > /dev/null 2>&1; "$mapwait" "$floor" > /dev/null 2>&1  # warm the caches
for _ in $(seq "$runs"); do
  "$mapwait" "$program" 2>/dev/null >> /tmp/numora-startup.$$
  "$mapwait" "$floor" 2>/dev/null >> /tmp/floor-startup.$$
done
startup=$(median < /tmp/numora-startup.$$); startup_floor=$(median < /tmp/floor-startup.$$)
rm -f /tmp/numora-startup.$$ /tmp/floor-startup.$$

peak() { awk '/^VmHWM/ { print $2 }' "/proc/$1/status"; }
openbox > /dev/null 2>&1 &
pids+=($!)
sleep 0.5

"$floor" > /dev/null 2>&1 &
app=$!
window '^numora-floor$|^Numora$' > /dev/null; sleep 1
memory_floor=$(peak $app)
kill $app; wait $app 2>/dev/null

"$program" > /dev/null 2>&1 &
app=$!
problem=$(pick649) || { echo "the 6/49 flow failed: $problem" >&2; kill $app; exit 1; }
sleep 1
memory=$(peak $app)
kill $app; wait $app 2>/dev/null

awk -v s="$startup" -v sf="$startup_floor" -v m="$memory" -v mf="$memory_floor" -v n="$runs" 'BEGIN {
  printf "start-up to first window (median of %d): numora %.1f ms, floor %.1f ms, ratio %.2f (target 1.05)\n", n, s, sf, s / sf
  printf "peak memory through a 6/49 flow: numora %d KiB, floor %d KiB, ratio %.2f (target 1.20)\n", m, mf, m / mf
}'
