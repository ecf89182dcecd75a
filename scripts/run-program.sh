#!/usr/bin/env bash
# Starts the built program, or says plainly why it cannot be shown here.
set -u
program=$1
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display here: Numora is a desktop program. Run it under Xvfb with: xvfb-run -a $program" >&2
  exit 1
fi
exec "$program"
