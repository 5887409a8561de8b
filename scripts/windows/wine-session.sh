#!/usr/bin/env bash
# Runs a command with a Wine of its own: a fresh prefix in a temporary folder, made and booted
# before the command starts, and removed with its server after. Wine's own messages are off.
# Meant to run on a display (xvfb-run). Usage: wine-session.sh COMMAND...
#
# The command finds the 64-bit loader in $WINE (Debian's wine64 has no /usr/bin/wine64).
set -euo pipefail

export WINE=/usr/lib/wine/wine64 WINELOADER=/usr/lib/wine/wine64
export WINESERVER=/usr/lib/wine/wineserver64
export WINEDEBUG=-all WINEARCH=win64
# No Mono or Gecko: nothing here is .NET or a web page, and Wine would offer to download them.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
WINEPREFIX="$(mktemp -d /tmp/kinemora-wine.XXXXXX)"
export WINEPREFIX
trap '"$WINESERVER" -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT

# wineboot returns once the prefix is written; the server then still runs the services it
# started. Waiting for the server to have nothing left to run makes the first test's start
# the program's own.
"$WINE" wineboot --init >/dev/null 2>&1
"$WINESERVER" -w
"$@"
