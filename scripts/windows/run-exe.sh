#!/usr/bin/env bash
# Runs a Windows test program of the build under Wine, with the Qt for Windows in QT_PREFIX and
# the compiler's runtime on its DLL search path. CMake hands it the Qt folder, then the program:
#   run-exe.sh QT_PREFIX PROGRAM ARGS...
# The Wine session (scripts/windows/wine-session.sh) is the caller's.
set -euo pipefail
qt="$1"
shift
runtime="$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")"
pthread="$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")"
export WINEPATH="Z:${qt//\//\\}\\bin;Z:${runtime//\//\\};Z:${pthread//\//\\}"
exec "${WINE:?run under scripts/windows/wine-session.sh}" "$@"
