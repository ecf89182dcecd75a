# The real program on a virtual X display, driven with xdotool as a user would. Sourced by the
# end-to-end tests, the start-up benchmark and the scripts that make screenshots, the guides'
# pictures and the help video. The caller keeps a `pids` array and ends those processes on exit.

# Starts Xvfb on a free display of the given size and sets DISPLAY; then a small window manager
# (openbox) unless X11_NO_WM=1. X11_DISPLAY=:N asks for that display; otherwise the first free
# one from X11_FIRST_DISPLAY (80). X11_WM_CONFIG=FILE gives openbox that configuration. Fails
# when the X server does not start.
x11_session() {
  local size=${1:-1024x768} n=${X11_FIRST_DISPLAY:-80}
  if [ -n "${X11_DISPLAY:-}" ]; then
    n=${X11_DISPLAY#:}
  else
    while [ -e "/tmp/.X${n}-lock" ] || [ -e "/tmp/.X11-unix/X${n}" ]; do n=$((n + 1)); done
  fi
  export DISPLAY=:$n
  Xvfb "$DISPLAY" -screen 0 "${size}x24" -nolisten tcp > /dev/null 2>&1 &
  pids+=($!)
  for _ in $(seq 50); do xdotool getdisplaygeometry > /dev/null 2>&1 && break; sleep 0.1; done
  xdotool getdisplaygeometry > /dev/null 2>&1 || return 1
  if [ "${X11_NO_WM:-0}" != 1 ]; then
    openbox ${X11_WM_CONFIG:+--config-file "$X11_WM_CONFIG"} > /dev/null 2>&1 &
    pids+=($!)
    sleep 0.5
  fi
}

window() { # waits for a visible window whose title matches, prints its id
  local id
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -1)
    # Give the window manager a moment to place it before anything is clicked in it.
    [ -n "$id" ] && { sleep 0.5; echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

click() { xdotool mousemove --sync --window "$1" "$2" "$3" click 1; sleep 0.3; }

# Screen position of a window's client area and its size: x y width height (xwininfo, since
# xdotool counts the window manager's frame twice).
client_rect() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
    /^ *Width:/ {w = $NF} /^ *Height:/ {h = $NF} END {print x, y, w, h}'
}

# Moves the pointer to screen point x y in small steps (default 12), so that a viewer can
# follow it.
glide() {
  local x0 y0 steps=${3:-12} i X Y SCREEN WINDOW moves=()
  eval "$(xdotool getmouselocation --shell)"
  x0=$X y0=$Y
  for ((i = 1; i <= steps; i++)); do
    moves+=(mousemove $((x0 + ($1 - x0) * i / steps)) $((y0 + ($2 - y0) * i / steps)) sleep 0.03)
  done
  xdotool "${moves[@]}"
}

# A copy of the system's openbox configuration whose title bars show the window's icon, title
# and close button only, as the program's fixed-size windows have, with the title in a regular
# weight so that it fits the narrow windows; prints its path.
x11_plain_titles() {
  local rc=$1/openbox-rc.xml
  sed -e 's|<titleLayout>[A-Z]*</titleLayout>|<titleLayout>NLC</titleLayout>|' \
    -e '/<font place="\(Active\|Inactive\)Window">/,/<\/font>/ s|<weight>bold</weight>|<weight>normal</weight>|' \
    /etc/xdg/openbox/rc.xml >"$rc"
  echo "$rc"
}

# The centre of a control designed at left, top, width, height twips.
at() { echo $(( ($1 + $3 / 2) / 15 )) $(( ($2 + $4 / 2) / 15 )); }

# Splash, main window, six numbered buttons of the 6/49 entry screen, the "Entry of Draws done"
# box, Next and Show. Leaves the selection screen's id in $select; says what went wrong.
pick649() {
  local splash main entry done_box n
  if splash=$(window '^$'); then xdotool key --window "$splash" space 2>/dev/null; fi
  main=$(window '^Corvane Numora 1.6$') || { echo "the main window did not show"; return 1; }
  click "$main" $(at 0 0 975 375)
  entry=$(window '^Numora- Enter  6 lucky numbers$') || { echo "the 6/49 entry screen did not open"; return 1; }
  for n in 5 12 33 7 41 2; do
    click "$entry" $(at $((240 + (n - 1) % 9 * 600)) $((600 + (n - 1) / 9 * 600)) 495 375)
  done
  done_box=$(window '^Entry of Draws done$') || { echo "no 'Entry of Draws done' after six numbers"; return 1; }
  xdotool windowactivate --sync "$done_box" key Return
  sleep 0.5
  click "$entry" $(at 4440 4800 1095 375)
  select=$(window '^Number of 649 selections and Print$') || { echo "Next did not open the selection screen"; return 1; }
  click "$select" $(at 240 2760 1095 495)
  window '^Numora$' > /dev/null || { echo "Show did not open the display window"; return 1; }
}
