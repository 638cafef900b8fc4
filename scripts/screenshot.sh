#!/usr/bin/env bash
# Takes a screenshot of Corvane's main window: the program runs in a Wine virtual desktop, where Wine
# draws the caption too, then it is closed again. Usage: scripts/screenshot.sh [output.png]
# Needs a display (DISPLAY) and a built build/windows/bin/Corvane.exe (or CORVANE_BIN_DIR).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
output=$(realpath -m "${1:-docs/main-window.png}")
bin_dir=${CORVANE_BIN_DIR:-build/windows/bin}
source scripts/wine-env.sh

mkdir -p "$(dirname "$output")"
# The OLE switch /Embedding only keeps the Tip of the Day from showing first, so the shot is of the
# main window whatever the tips setting.
(cd "$bin_dir" && exec wine explorer /desktop=corvane,1280x1024 Corvane.exe /Embedding) >/dev/null 2>&1 &
explorer=$!
# Wait for the virtual desktop, then give the program a moment to start and paint.
desktop=""
for _ in $(seq 100); do
    desktop=$(xdotool search --name 'Wine desktop' 2>/dev/null | head -n 1) && [ -n "$desktop" ] && break
    sleep 0.2
done
sleep 4
import -window root -crop 660x460+0+0 +repage "$output"
# Close the main window as a user would (Escape); the program saves its settings and ends.
xdotool search --name '^Corvane$' key Escape >/dev/null 2>&1 || true
for _ in $(seq 25); do
    kill -0 "$explorer" 2>/dev/null || break
    sleep 0.2
done
kill "$explorer" 2>/dev/null || true
echo "$output"
