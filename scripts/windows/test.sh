#!/usr/bin/env bash
# Runs the Windows build's tests under Wine on Xvfb, in a Wine of their own: the unit and widget
# tests (offscreen, on a virtual clock), the smoke test of kinemora.exe from the zip, then the
# installer's tests, which install it silently, upgrade to it, start the installed program and
# remove it. Two more packages of the same files are made for them: one at a lower version, and
# a rebuild of this one, the same version with a product code of its own.
#   test.sh BUILD_DIR ZIP MSI [SCREENSHOT]
set -euo pipefail
cd "$(dirname "$0")/../.."
build="$1" zip="$2" msi="$3" screenshot="${4:-}"

packages="$(mktemp -d)"
trap 'rm -rf "$packages"' EXIT
old_msi="$packages/kinemora-0.1-windows-x64.msi"
rebuilt_msi="$packages/$(basename "$msi")"
scripts/windows/msi.sh "$build/kinemora.wxs" "$zip" "$old_msi" 0.1
scripts/windows/msi.sh "$build/kinemora.wxs" "$zip" "$rebuilt_msi"

# -noreset: the server would reset when its last client leaves, between two Wine programs.
# 1920x1080: room for How It Works beside the main window, off it, as on a learner's screen.
xvfb-run -a -s "-screen 0 1920x1080x24 -nolisten tcp -noreset" \
  env KINEMORA_ZIP="$(realpath "$zip")" KINEMORA_MSI="$(realpath "$msi")" \
      KINEMORA_OLD_MSI="$old_msi" KINEMORA_REBUILT_MSI="$rebuilt_msi" \
      KINEMORA_SCREENSHOT="${screenshot:+$(realpath -m "$screenshot")}" \
  scripts/windows/wine-session.sh bash -c '
    set -euo pipefail
    # Under load Wine may now and then fail to start a program at all (it ends within
    # milliseconds, printing nothing); a test that fails is run once more, and a real fault
    # fails both times.
    ctest --test-dir "$0" --output-on-failure --timeout 600 --repeat until-pass:2
    python3 -u tests/windows/smoke_test.py
    python3 -u tests/windows/msi_test.py' "$build"
