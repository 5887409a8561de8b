#!/usr/bin/env bash
# Installs the Debian packages Kinemora needs to build, run and test, if any are missing. The
# program's own fonts are in the source tree; the two font packages are what tools/picgen draws
# the pictures' words with.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev
  qt6-base-dev libgl-dev libxcb1-dev libfontconfig-dev libgtest-dev
  fonts-liberation fonts-dejavu-core
  xvfb xauth xdotool x11-utils imagemagick python3 python3-xlib
  desktop-file-utils appstream dpkg-dev file lintian
  dbus-daemon dbus-x11 at-spi2-core python3-pyatspi orca
  qt6-wayland weston openbox
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
