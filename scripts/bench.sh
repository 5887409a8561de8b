#!/usr/bin/env bash
# Builds and runs the benchmark on the offscreen platform and, when Xvfb is there, on a real
# X display too.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target kinemora_bench
echo "== offscreen"
QT_QPA_PLATFORM=offscreen build/bin/kinemora_bench
if command -v xvfb-run >/dev/null; then
  echo "== X display (Xvfb)"
  QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24" build/bin/kinemora_bench
fi

# The code viewer opening over texts from the real code.txt to 50 MB.
cmake --build --preset default --target kinemora_viewer_bench
echo "== code viewer, offscreen"
QT_QPA_PLATFORM=offscreen build/bin/kinemora_viewer_bench
if command -v xvfb-run >/dev/null; then
  echo "== code viewer, X display (Xvfb)"
  QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24" build/bin/kinemora_viewer_bench
fi
