#!/usr/bin/env bash
# Builds Kinemora for 64-bit Windows here on Debian and packs it as
# build-windows/kinemora-<version>-windows-x64.zip and, with the same files, as the installer
# build-windows/kinemora-<version>-windows-x64.msi: installs what is missing, builds Qt for
# Windows once into a cache folder outside the clone (scripts/windows/qt.sh), then cross-builds
# the program in Release with cmake/mingw-w64.cmake.
#
#   --test        also build the unit and widget tests, and run them, a smoke test of
#                 kinemora.exe from the zip and the installer's tests under Wine on Xvfb
#                 (scripts/windows/test.sh)
#   --screenshot  with --test: the smoke test saves the main window as docs/windows.png
set -euo pipefail
cd "$(dirname "$0")/.."

test="" screenshot=""
for arg in "$@"; do
  case "$arg" in
    --test) test=1 ;;
    --screenshot) screenshot=1 ;;
    *) echo "usage: scripts/windows.sh [--test [--screenshot]]" >&2; exit 2 ;;
  esac
done

scripts/windows/deps.sh
qt="$(scripts/windows/qt.sh)"
host_cmake="$(dirname "$(find /usr/lib -path "*/cmake/Qt6HostInfo" -type d -print -quit)")"
build=build-windows

cmake -S . -B "$build" -G Ninja --log-level=WARNING \
  -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_PREFIX_PATH="$qt" -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake" \
  -DKINEMORA_TESTS="$([ -n "$test" ] && echo ON || echo OFF)" \
  -DKINEMORA_GOOGLETEST_SOURCE=/usr/src/googletest \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$PWD/scripts/windows/run-exe.sh;$qt" >/dev/null
cmake --build "$build"
(cd "$build" && cpack -G ZIP >/dev/null)
zip="$(ls "$build"/kinemora-*-windows-x64.zip)"
echo "made $zip ($(du -h "$zip" | cut -f1))"
msi="${zip%.zip}.msi"
scripts/windows/msi.sh "$build/kinemora.wxs" "$zip" "$msi"
echo "made $msi ($(du -h "$msi" | cut -f1))"

if [ -n "$test" ]; then
  scripts/windows/test.sh "$build" "$zip" "$msi" ${screenshot:+docs/windows.png}
fi
