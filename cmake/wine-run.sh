#!/usr/bin/env bash
# Runs a Windows program under Wine with the project's private prefix; used by ctest as the emulator.
set -e
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$here/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export DISPLAY=${DISPLAY:-:99}
exec wine "$@"
