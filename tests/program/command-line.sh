#!/usr/bin/env bash
# The real program's command line, run without any display: each row gives the arguments (and
# any variables set for the run), the exit code, and a text the output must hold: standard
# output where the code is 0, standard error otherwise.
#   tests/program/command-line.sh build/app/numora 1.6
set -u
program=$1
version=$2
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
work=$(mktemp -d /tmp/numora-cli.XXXXXX)
trap 'rm -rf "$work"' EXIT

# An X display that no server answers: one without a socket or a lock.
free_display=599
while [ -e /tmp/.X11-unix/X$free_display ] || [ -e /tmp/.X$free_display-lock ]; do
  free_display=$((free_display + 1))
done

usage='Usage: numora [options]'
no_display='numora: no graphical display; Numora is a desktop program'
display_failed='numora: the graphical display could not be opened'
passed=0
failed=0

# row NAME CODE TEXT [VAR=VALUE...] -- ARGUMENTS...
row() {
  local name=$1 code=$2 text=$3
  shift 3
  local vars=()
  while [ "$1" != -- ]; do vars+=("$1"); shift; done
  shift
  env "${vars[@]}" timeout -s TERM 3 "$program" "$@" > "$work/out" 2> "$work/err" < /dev/null
  local got=$?
  local stream=$work/err
  [ "$code" = 0 ] && stream=$work/out
  local why=
  if [ "$got" != "$code" ]; then why="exit $got, not $code"
  elif [ -n "$text" ] && ! grep -qF -- "$text" "$stream"; then why="no \"$text\" in $(basename "$stream")"
  elif grep -q 'Reinstalling' "$work/err"; then why="Qt's abort message"
  fi
  if [ -z "$why" ]; then passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED: $name: $why"
    sed 's/^/  out: /' "$work/out"
    sed 's/^/  err: /' "$work/err"
  fi
}

row 'version'                 0 "Numora $version" -- --version
row 'version, short'          0 "Numora $version" -- -v
row 'help'                    0 "$usage"          -- --help
row 'help, short'             0 "$usage"          -- -h
row 'help, one dash'          0 "$usage"          -- -help
row "with Qt's options"       0 "Numora $version" -- -platform offscreen -style Fusion --version
row 'unknown option'          2 'numora: unknown option: --bogus' -- --bogus
row 'unknown option, usage'   2 "$usage"          -- --bogus
row 'unknown short option'    2 'numora: unknown option: -x' -- -x
row 'unknown with a value'    2 'numora: unknown option: --bogus=1' -- --bogus=1
row 'one unknown among known' 2 'numora: unknown option: --nonsense' -- --version --nonsense
row 'an argument'             2 'numora: unexpected argument: tickets.txt' -- tickets.txt
row "Qt's option lacks its value" 2 "Missing value after '-platform'" -- -platform
row 'version takes no value'  2 "Unexpected value after '--version'" -- --version=2
row 'no display'              1 "$no_display"     -- 
row "no display, Qt's option" 1 "$no_display"     -- -style Fusion -reverse
row 'a display nobody answers' 1 "$display_failed" DISPLAY=:$free_display --
row 'X11 chosen, no display'  1 "$display_failed" QT_QPA_PLATFORM=xcb --
row 'a platform chosen runs'  124 ''              -- -platform offscreen
row 'a platform chosen by the environment runs' 124 '' QT_QPA_PLATFORM=offscreen --

# Without a display the program says so in one line.
timeout 3 "$program" > /dev/null 2> "$work/err"
if [ "$(wc -l < "$work/err")" = 1 ]; then passed=$((passed + 1))
else failed=$((failed + 1)); echo "FAILED: the no-display message is not one line:"; cat "$work/err"; fi

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
