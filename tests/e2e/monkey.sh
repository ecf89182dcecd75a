#!/usr/bin/env bash
# A seeded random user of the real program (monkey.py) under Xvfb with openbox, a private print
# scheduler whose default queue writes each job to a file, and no network.
#   monkey.sh PROGRAM OUT [--seconds N] [--seed S] [--replay LOG]
# The action log, the program's output and the printed jobs stay in OUT. Exit 77 = skipped.
set -u
program=$(readlink -f "$1")
out=$(mkdir -p "$2" && readlink -f "$2")
shift 2
here=$(dirname "$(readlink -f "$0")")
skip() { echo "SKIPPED: $*"; exit 77; }

for tool in Xvfb openbox xdotool import; do
  command -v "$tool" >/dev/null || skip "$tool is not installed"
done
/usr/bin/python3 -c 'import Xlib' 2>/dev/null || skip "python3-xlib is not installed"
source "$here/private-cups.sh"
problem=$(private_cups_usable) || skip "$problem"

work=$(mktemp -d /tmp/numora-monkey.XXXXXX)
chmod 755 "$work"
pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done; wait 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
source "$here/private-home.sh"
private_home "$work"

rm -rf "$out/jobs"; mkdir -p "$out/jobs"
private_cups "$work" "$out/jobs" > "$work/cups-problem" || skip "$(cat "$work/cups-problem")"
source "$here/../../scripts/x11-driver.sh"
x11_session 1280x1024 || skip "Xvfb did not start"

# The maker's web site and the system information program are not opened: the calls are noted.
mkdir -p "$work/bin"
for tool in xdg-open hardinfo2 hardinfo kinfocenter gnome-system-monitor lshw-gtk; do
  printf '#!/bin/sh\necho "%s $*" >> "%s/opened"\n' "$tool" "$out" > "$work/bin/$tool"
  chmod 755 "$work/bin/$tool"
done
export PATH=$work/bin:$PATH

# The real media player leaks in GStreamer's plugins; leaks are not checked (as in the tests
# that run the real player). Any other report ends the program at once.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
/usr/bin/python3 "$here/monkey.py" "$program" --out "$out" "$@"
