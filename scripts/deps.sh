#!/usr/bin/env bash
# Installs the Debian packages Kinemora needs to build, run and test, if any are missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev
  qt6-base-dev libgl-dev libgtest-dev
  fonts-liberation fonts-dejavu-core fonts-comic-neue
  xvfb xauth xdotool x11-utils imagemagick python3 python3-xlib
  dbus-x11  # the bus autolaunch that the program must not start (tests/e2e)
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
