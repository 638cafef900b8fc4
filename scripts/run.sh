#!/usr/bin/env bash
# Builds Corvane and starts it under Wine: on the current display when there is one, otherwise on a
# private Xvfb display, where it saves a screenshot of the main window and says where.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

scripts/install-deps.sh
scripts/build.sh

source scripts/wine-env.sh
prepare_wine_prefix

program=build/windows/bin/Corvane.exe
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    cd "$(dirname "$program")"
    exec wine "$(basename "$program")"
fi

trap stop_wine_env EXIT
start_private_display
prepare_wine_prefix
scripts/screenshot.sh build/main-window.png
echo "No display: Corvane ran on a private one; its main window is in build/main-window.png"
