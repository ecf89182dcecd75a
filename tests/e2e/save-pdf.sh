#!/usr/bin/env bash
# Save as PDF through the desktop's own save dialog, as a user of a GTK desktop meets it: the
# real program under a real X server with private home and XDG folders, a 6/49 pick shown,
# Ctrl+S in the display window, the offered name taken with Return; then Ctrl+S, a typed path
# and Return; the same path again, declined at the dialog's question; then a folder that
# cannot be written, whose box names the path. Checks each
# saved page's text, that the print module was never loaded, and that the display window
# stays open through it all. Exit 77 = skipped, with the reason.
set -u
program=$(readlink -f "$1")
skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAILED: $*"; dump; exit 1; }

for tool in Xvfb openbox xdotool xprop pdftotext import dbus-launch; do
  command -v "$tool" >/dev/null || skip "$tool is not installed"
done
# The GTK desktops' file dialog comes to Qt programs with the GTK platform theme, which
# Debian's Qt recommends; without it Qt shows its own dialog, which is not what users get.
themes=$(find /usr/lib/*/qt6/plugins/platformthemes -name 'libqgtk3.so' 2>/dev/null | head -1)
[ -n "$themes" ] || skip "the GTK platform theme for Qt 6 (qt6-gtk-platformtheme) is not installed"

work=$(mktemp -d /tmp/numora-save-pdf.XXXXXX)
chmod 755 "$work"
pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done; wait 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
dump() {
  echo "--- program output"; cat "$work/numora.log" 2>/dev/null
  echo "--- windows"; for w in $(xdotool search --onlyvisible --name . 2>/dev/null); do echo "$w $(xdotool getwindowname "$w")"; done
  import -window root "$work/../numora-save-pdf-failure.png" 2>/dev/null && echo "--- screenshot: /tmp/numora-save-pdf-failure.png"
}

# A user of their own: home, documents folder and XDG folders of this run only.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
export XDG_CACHE_HOME=$work/home/.cache XDG_STATE_HOME=$work/home/.local/state
export XDG_RUNTIME_DIR=$work/runtime XDG_CURRENT_DESKTOP=GNOME NO_AT_BRIDGE=1
mkdir -p "$HOME/Documents" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR" "$work/out"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE

source "$(dirname "$0")/../../scripts/x11-driver.sh"
x11_session 1024x768 || skip "Xvfb did not start"

# A session bus of its own, as a desktop session has.
eval "$(dbus-launch --sh-syntax)" || skip "the session bus did not start"
pids+=("$DBUS_SESSION_BUS_PID")

QT_QPA_PLATFORM=xcb "$program" > "$work/numora.log" 2>&1 &
app=$!
pids+=($app)

problem=$(pick649) || fail "$problem"
display=$(window '^Numora$') || fail "no display window"

# The display's five tickets, as pdftotext reads the saved page: header, then the lines.
page_lines() { pdftotext -layout "$1" - 2>/dev/null | tr -d '\f' | sed -E 's/^ +//; s/ +$//; s/ +/ /g' | grep -v '^$'; }

# Ctrl+S in the display window; prints the save dialog's id once it is the desktop's own.
open_dialog() {
  local dialog role
  xdotool windowactivate --sync "$display" key ctrl+s
  dialog=$(window '^Save as PDF$') || { echo "Ctrl+S opened no dialog titled 'Save as PDF'"; return 1; }
  role=$(xprop -id "$dialog" WM_WINDOW_ROLE 2>/dev/null)
  [[ $role == *GtkFileChooserDialog* ]] || { echo "the dialog is not the desktop's file dialog ($role)"; return 1; }
  sleep 0.5
  echo "$dialog"
}
saved() { for _ in $(seq 100); do [ -s "$1" ] && return 0; sleep 0.1; done; return 1; }

# 1. The offered name in the documents folder, taken with Return.
dialog=$(open_dialog) || fail "$dialog"
xdotool windowactivate --sync "$dialog" key Return
offered=$HOME/Documents/numora-649-$(date +%F).pdf
saved "$offered" || fail "Return did not save the offered $offered: $(ls -A "$HOME/Documents")"
first=$(page_lines "$offered")
[ "$(head -1 <<<"$first")" = "NUMORA 5 SELECTIONS:" ] || fail "the saved page has no header: $first"
tickets=$(tail -n +2 <<<"$first")
[ "$(grep -cE '^[0-9]+( [0-9]+){5}$' <<<"$tickets")" = 5 ] && [ "$(wc -l <<<"$tickets")" = 5 ] \
  || fail "the saved page does not hold five tickets of six numbers: $first"

# 2. A typed path in another folder.
typed="$work/out/my tickets.pdf"
dialog=$(open_dialog) || fail "$dialog"
xdotool windowactivate --sync "$dialog" key ctrl+a type --delay 20 "$typed"
sleep 0.3
xdotool key Return
saved "$typed" || fail "the typed path $typed was not saved: $(ls -A "$work/out")"
[ "$(page_lines "$typed")" = "$first" ] || fail "the second file's page differs: $(page_lines "$typed")"

# The same path again: the dialog asks before it replaces the file; Escape there and in the
# dialog leaves the file as it was.
before=$(md5sum < "$typed")
sleep 1.1 # a file written now would differ from the first in its creation time
dialog=$(open_dialog) || fail "$dialog"
xdotool windowactivate --sync "$dialog" key ctrl+a type --delay 20 "$typed"
sleep 0.3
xdotool key Return
sleep 1
[ "$(md5sum < "$typed")" = "$before" ] || fail "an existing file was replaced without asking"
xdotool key Escape
sleep 0.5
xdotool key Escape
sleep 1
xdotool search --onlyvisible --name '^Save as PDF$' > /dev/null && fail "the dialog did not close on Escape"
[ "$(md5sum < "$typed")" = "$before" ] || fail "the file changed although the user declined"

# 3. A folder no file can be made in: the box names the path; the window stays.
dialog=$(open_dialog) || fail "$dialog"
xdotool windowactivate --sync "$dialog" key ctrl+a type --delay 20 "/proc/tickets.pdf"
sleep 0.3
xdotool key Return
box=
for _ in $(seq 50); do
  for w in $(xdotool search --onlyvisible --name '^Save as PDF$' 2>/dev/null); do
    [[ $(xprop -id "$w" WM_WINDOW_ROLE 2>/dev/null) == *GtkFileChooserDialog* ]] || box=$w
  done
  [ -n "$box" ] && break
  sleep 0.1
done
[ -n "$box" ] || fail "no box for a folder that cannot be written"
sleep 0.5
xdotool windowactivate --sync "$box" key Return
sleep 0.5
[ -e /proc/tickets.pdf ] && fail "a file appeared in /proc"

kill -0 "$app" 2>/dev/null || fail "the program ended"
xdotool search --onlyvisible --name '^Numora$' > /dev/null || fail "the display window closed"
grep -qE 'numora-print|libQt6PrintSupport' "/proc/$app/maps" && fail "saving loaded the print module"

echo "saved page ($offered):"; echo "$first"
echo "1 passed, 0 failed"
