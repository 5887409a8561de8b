#!/usr/bin/env bash
# Installs what is missing, builds Kinemora and runs every test: the unit, widget and
# end-to-end tests, then the unit and widget tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer, once more built with clang, then the fuzz targets, and last the
# Windows build's tests under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh

cmake --preset default >/dev/null
cmake --build --preset default
ctest --preset default

cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan

cmake --preset clang >/dev/null
cmake --build --preset clang
ctest --preset clang

scripts/fuzz.sh

scripts/windows.sh --test
