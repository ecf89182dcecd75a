#!/usr/bin/env bash
# The real program on Wayland: a headless weston (pixman, no GL) with its own runtime folder and
# socket, its own session bus with the accessibility bus on it, and wayland.py driving the
# program over that bus (no pointer or keyboard tool works on Wayland). Exit 77 = skipped.
set -u
program=$(readlink -f "$1")
here=$(cd "$(dirname "$0")" && pwd)
skip() { echo "SKIPPED: $*"; exit 77; }
python=/usr/bin/python3
for tool in weston weston-screenshooter dbus-run-session compare "$python"; do
  command -v "$tool" >/dev/null || skip "$tool is not installed"
done
[ -e /usr/libexec/at-spi-bus-launcher ] || skip "at-spi2-core is not installed"
[ -n "$(find /usr/lib -path '*qt6/plugins/platforms/libqwayland-generic.so' 2>/dev/null | head -1)" ] \
  || skip "qt6-wayland is not installed"

work=$(mktemp -d /tmp/numora-wayland.XXXXXX)
pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done; wait 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
source "$here/private-home.sh"
private_home "$work"
mkdir -p "$work/shots"
export WAYLAND_DISPLAY=wayland-$(basename "$work" | tr -dc 'A-Za-z0-9')
unset DISPLAY DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS

weston --backend=headless-backend.so --use-pixman --debug --socket="$WAYLAND_DISPLAY" \
  --width=1280 --height=1024 --idle-time=0 > "$work/weston.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] || skip "weston did not start: $(tail -1 "$work/weston.log")"

export NUMORA_LOG=$work/numora.log NUMORA_SHOTS=$work/shots
dbus-run-session -- "$python" "$here/wayland.py" "$program" 2> "$work/bus.log"
status=$?
if [ "$status" != 0 ] && [ "$status" != 77 ]; then
  echo "--- program output (last lines)"; grep -v '^\[' "$work/numora.log" | tail -20
  echo "--- weston output"; tail -5 "$work/weston.log"
fi
exit "$status"
