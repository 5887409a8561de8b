#!/usr/bin/env bash
# Installs what the Windows build needs, if any of it is missing: the mingw-w64 cross-compiler
# (posix threads, which Qt needs), Wine to run the result, msitools and wixl to make and read
# the installer, the host Qt tools that Qt's own cross-build runs (moc, rcc, uic), and Qt's
# source, which comes from Debian's own qt6-base source package. Source packages need deb-src
# lines, which a fresh Debian 12 lacks; one file of ours adds them for bookworm.
set -euo pipefail

packages=(
  cmake ninja-build g++-mingw-w64-x86-64-posix mingw-w64-tools qt6-base-dev-tools qt6-base-dev
  wine wine64 libwine fonts-wine dpkg-dev googletest msitools wixl
  xvfb xauth xdotool x11-utils imagemagick python3
)

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done

sources=/etc/apt/sources.list.d/kinemora-bookworm-src.sources
updated=""
if ! grep -rqs '^Types:.*deb-src\|^deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/; then
  echo "Adding Debian bookworm source lines: $sources"
  printf '%s\n' 'Types: deb-src' 'URIs: http://deb.debian.org/debian' \
    'Suites: bookworm bookworm-updates' 'Components: main' \
    'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg' |
    $sudo tee "$sources" >/dev/null
  $sudo apt-get update -qq
  updated=1
fi

[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
[ -n "$updated" ] || $sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
