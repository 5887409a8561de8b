#!/usr/bin/env bash
# Builds and runs the benchmarks on the offscreen platform and, when Xvfb is there, on a real X
# display too: first Kinemora's start-up and memory beside a bare Qt window, then the main
# window with every timer effect running.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target kinemora_bench kinemora_startup bare_window
runs="${BENCH_RUNS:-21}"
side_by_side=(python3 bench/side_by_side.py --runs "$runs" build/bin/kinemora_startup
              build/bin/bare_window)
xvfb=(xvfb-run -a -s "-screen 0 1024x768x24")

echo "== start-up and memory beside a bare Qt window"
QT_QPA_PLATFORM=offscreen "${side_by_side[@]}"
if command -v xvfb-run >/dev/null; then
  QT_QPA_PLATFORM=xcb "${xvfb[@]}" "${side_by_side[@]}"
fi

# Closed and open side by side, three alternating runs each.
echo "== every timer effect, How It Works closed and open, offscreen"
QT_QPA_PLATFORM=offscreen python3 bench/columns.py 3 build/bin/kinemora_bench
if command -v xvfb-run >/dev/null; then
  echo "== every timer effect, How It Works closed and open, X display (Xvfb)"
  QT_QPA_PLATFORM=xcb "${xvfb[@]}" python3 bench/columns.py 3 build/bin/kinemora_bench
fi

# Ten minutes of history, and any moment of it shown.
echo "== ten minutes of history, offscreen"
QT_QPA_PLATFORM=offscreen build/bin/kinemora_bench --history-minutes 10

# The code viewer opening over texts from the real code.txt to 50 MB.
cmake --build --preset default --target kinemora_viewer_bench
echo "== code viewer, offscreen"
QT_QPA_PLATFORM=offscreen build/bin/kinemora_viewer_bench
if command -v xvfb-run >/dev/null; then
  echo "== code viewer, X display (Xvfb)"
  QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24" build/bin/kinemora_viewer_bench
fi
