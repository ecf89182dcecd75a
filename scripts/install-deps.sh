#!/usr/bin/env bash
# Installs the Debian packages Numora needs to build, run and test.
# Idempotent: packages already present are left alone; apt runs only when something is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev libpng-dev
  qt6-multimedia-dev libqt6multimedia6 qt6-image-formats-plugins
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev libxcb1-dev
  fonts-liberation fonts-dejavu-core
  xvfb xauth x11-utils imagemagick poppler-utils xdotool openbox cups cups-client
  qt6-gtk-platformtheme
  dbus dbus-x11 at-spi2-core python3-pyatspi python3-gi
  python3 python3-xlib
  weston qt6-wayland
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages: ${missing[*]}" >&2
  echo "Run as root (or install them with: sudo apt-get install ${missing[*]})." >&2
  exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
