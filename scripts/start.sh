#!/usr/bin/env bash
# Installs what is missing, builds Kinemora and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
exec build/bin/kinemora
