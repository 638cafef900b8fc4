#!/usr/bin/env bash
# Sourced by the scripts that run Windows programs: a private Wine prefix under build/, and an Xvfb
# display of our own when none is given (stopped again when the calling script exits).
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$repo/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

start_private_display() {
    local n
    for n in $(seq 90 140); do
        [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] && continue
        Xvfb :$n -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        corvane_xvfb_pid=$!
        for _ in $(seq 50); do
            [ -e /tmp/.X11-unix/X$n ] && break
            sleep 0.1
        done
        export DISPLAY=:$n
        return 0
    done
    echo "no free X display number" >&2
    return 1
}

stop_wine_env() {
    wineserver -k 2>/dev/null || true
    [ -n "${corvane_xvfb_pid:-}" ] && kill "$corvane_xvfb_pid" 2>/dev/null || true
}

prepare_wine_prefix() {
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "Creating the Wine prefix $WINEPREFIX (first run only)..."
        wineboot -i >/dev/null 2>&1 || true
        wineserver -w 2>/dev/null || true
    fi
    wineserver -p 2>/dev/null || true   # keep it alive between the test programs
    # Start Wine's own services now, detached from our output: started by the first test program they
    # would inherit ctest's pipes and keep it waiting for ever.
    wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}
