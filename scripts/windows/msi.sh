#!/usr/bin/env bash
# Makes the Windows installer with msitools, from the zip, so both hold the very same files:
#   msi.sh WXS ZIP OUTPUT [VERSION]
# WXS is the build's kinemora.wxs. VERSION, if given, stands in for the project's (the tests
# make an older package of the same files this way).
set -euo pipefail
repo="$(cd "$(dirname "$0")/../.." && pwd)"
wxs="$(realpath "$1")" zip="$(realpath "$2")" output="$(realpath -m "$3")" version="${4:-}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

mkdir "$work/unpacked"
(cd "$work/unpacked" && cmake -E tar xf "$zip")
# wixl finds files only by paths relative to the folder it runs in.
ln -s "$work"/unpacked/* "$work/tree"
ln -s "$repo/assets/kinemora.ico" "$work/kinemora.ico"

# Every file but the program, which the installer source names for its shortcut.
(cd "$work/tree/" && find . -type f ! -path ./kinemora.exe | LC_ALL=C sort) |
  wixl-heat -p ./ --directory-ref INSTALLDIR --component-group ProgramFiles --var var.Tree \
    --win64 >"$work/files.wxs"
(cd "$work" && wixl -a x64 -D Tree=tree -D Win64=yes ${version:+-D Version="$version"} \
  -o "$output" "$wxs" files.wxs)

# Two things wixl cannot say, written into its tables here:
# - wixl makes every shortcut advertised (its target a feature, which Windows resolves through
#   the installer); the Start-menu shortcut is a plain one to the program.
msibuild "$output" -q "UPDATE Shortcut SET Target = '[#kinemora.exe]' WHERE Shortcut = 'StartMenuShortcut'"
# - a package of the same version as the installed one (a rebuild, whose product code is new)
#   replaces it too, as a later one does, rather than installing beside it: the row that finds
#   earlier versions takes in the package's own (512, the maximum included).
msiinfo export "$output" Upgrade |
  awk -F'\t' -v OFS='\t' 'NR > 3 && $7 ~ /^WIX_UPGRADE_DETECTED\r?$/ { $5 += 512 } 1' \
    >"$work/Upgrade.idt"
msibuild "$output" -i "$work/Upgrade.idt"
