#!/usr/bin/env bash
# The real program under a real X server, driven as a user would: the splash (a key), the main
# window, a 6/49 pick by clicking numbered buttons, Next, Show, Print answered through the real
# message boxes, with a private CUPS scheduler whose default queue writes the page to a file.
# Checks the printed page's text and that the program ended. Exit 77 = skipped, with the reason.
set -u
program=$(readlink -f "$1")
skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAILED: $*"; dump; exit 1; }

for tool in Xvfb openbox xdotool pdftotext import; do
  command -v "$tool" >/dev/null || skip "$tool is not installed"
done
source "$(dirname "$0")/private-cups.sh"
problem=$(private_cups_usable) || skip "$problem"

work=$(mktemp -d /tmp/numora-e2e.XXXXXX)
chmod 755 "$work"
pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done; wait 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
source "$(dirname "$0")/private-home.sh"
private_home "$work"
dump() {
  echo "--- program output"; cat "$work/numora.log" 2>/dev/null
  echo "--- windows"; for w in $(xdotool search --onlyvisible --name . 2>/dev/null); do echo "$w $(xdotool getwindowname "$w")"; done
  import -window root "$work/../numora-e2e-failure.png" 2>/dev/null && echo "--- screenshot: /tmp/numora-e2e-failure.png"
}

# A private print scheduler whose default queue writes the page to a file.
mkdir -p "$work/cups/out"
private_cups "$work" "$work/cups/out/page.pdf" > "$work/cups-problem" || skip "$(cat "$work/cups-problem")"

# The X server and a small window manager.
source "$(dirname "$0")/../../scripts/x11-driver.sh"
x11_session || skip "Xvfb did not start"

QT_QPA_PLATFORM=xcb "$program" > "$work/numora.log" 2>&1 &
app=$!
pids+=($app)

problem=$(pick649) || fail "$problem"
select=$(window '^Number of 649 selections and Print$')
click "$select" $(at 1440 2760 1095 495)
ask=$(window '^Print$') || fail "Print did not ask 'Is the printer on?'"
xdotool windowactivate --sync "$ask" key Return

for _ in $(seq 150); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "the program did not end after printing"
wait "$app"; status=$?
[ "$status" = 0 ] || fail "the program ended with status $status"

for _ in $(seq 100); do [ -s "$work/cups/out/page.pdf" ] && break; sleep 0.1; done
[ -s "$work/cups/out/page.pdf" ] || fail "no page reached the printer"
text=$(pdftotext -layout "$work/cups/out/page.pdf" - 2>/dev/null) || fail "the page is not a readable PDF"
grep -qE 'NUMORA +5 SELECTIONS:' <<<"$text" || fail "the page has no header: $text"
lines=$(grep -cE '^ *[0-9]+( +[0-9]+){5} *$' <<<"$text")
[ "$lines" = 5 ] || fail "the page holds $lines selection lines, not 5: $text"
# The queue has no printer description, so nothing but the program keeps the text off the
# paper's edges: at least half an inch (12.7 mm) from the left and the top.
read -r left top < <(pdftotext -bbox "$work/cups/out/page.pdf" - 2>/dev/null \
  | sed -nE 's/.*<word xMin="([0-9.]+)" yMin="([0-9.]+)".*/\1 \2/p' \
  | awk 'NR == 1 || $1 < l { l = $1 } NR == 1 || $2 < t { t = $2 }
         END { if (NR) printf "%.1f %.1f\n", l * 25.4 / 72, t * 25.4 / 72 }')
[ -n "${left:-}" ] || fail "no word positions could be read from the page"
awk -v l="$left" -v t="$top" 'BEGIN { exit !(l >= 12.6 && t >= 12.6) }' \
  || fail "the text starts $left mm from the left and $top mm from the top edge (at least 12.7 mm)"
echo "printed page (text from $left mm left, $top mm top):"; echo "$text"
echo "1 passed, 0 failed"
