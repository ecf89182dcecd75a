#!/usr/bin/env bash
# The real program read as a screen reader reads it: its own session bus with the accessibility
# bus on it, a virtual X display with a window manager, and accessibility.py walking every
# window. Exit 77 = skipped, with the reason, where the tools or the bus are missing.
set -u
program=$(readlink -f "$1")
here=$(cd "$(dirname "$0")" && pwd)
skip() { echo "SKIPPED: $*"; exit 77; }

# Debian's own python, which has the accessibility client library; not another on the PATH.
python=/usr/bin/python3
for tool in Xvfb openbox xdotool dbus-run-session "$python"; do
  command -v "$tool" >/dev/null || skip "$tool is not installed"
done
[ -e /usr/libexec/at-spi-bus-launcher ] || skip "at-spi2-core is not installed"
"$python" -c 'import gi; gi.require_version("Atspi", "2.0"); import pyatspi' 2>/dev/null \
  || skip "python3-pyatspi is not installed"

work=$(mktemp -d /tmp/numora-a11y.XXXXXX)
pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done; wait 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
source "$here/private-home.sh"
private_home "$work"

source "$here/../../scripts/x11-driver.sh"
x11_session 1280x1024 || skip "Xvfb did not start"

# A fresh session bus for this run alone; the accessibility bus starts on it on first use.
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
export NUMORA_LOG=$work/numora.log
dbus-run-session -- true 2> "$work/bus.log" || skip "the session bus did not start: $(tail -1 "$work/bus.log")"
dbus-run-session -- "$python" "$here/accessibility.py" "$program" 2> "$work/bus.log"
status=$?
if [ "$status" != 0 ] && [ "$status" != 77 ]; then
  echo "--- program output"; cat "$work/numora.log" 2>/dev/null
  echo "--- bus output"; grep -v 'fd limit' "$work/bus.log"
  import -window root /tmp/numora-a11y-failure.png 2>/dev/null && echo "--- screenshot: /tmp/numora-a11y-failure.png"
fi
exit "$status"
