#!/usr/bin/env bash
# Runs the Windows build's tests under Wine on Xvfb, in a Wine of their own: the unit and widget
# tests (offscreen, on a virtual clock), then the smoke test of kinemora.exe from the zip.
#   test.sh BUILD_DIR ZIP [SCREENSHOT]
set -euo pipefail
cd "$(dirname "$0")/../.."
build="$1" zip="$2" screenshot="${3:-}"

# -noreset: the server would reset when its last client leaves, between two Wine programs.
# 1920x1080: room for How It Works beside the main window, off it, as on a learner's screen.
exec xvfb-run -a -s "-screen 0 1920x1080x24 -nolisten tcp -noreset" \
  env KINEMORA_ZIP="$(realpath "$zip")" \
      KINEMORA_SCREENSHOT="${screenshot:+$(realpath -m "$screenshot")}" \
  scripts/windows/wine-session.sh bash -c '
    set -euo pipefail
    ctest --test-dir "$0" --output-on-failure --timeout 600
    python3 -u tests/windows/smoke_test.py' "$build"
