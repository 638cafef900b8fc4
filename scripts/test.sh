#!/usr/bin/env bash
# Installs what is missing, builds both builds and runs every test: natively, then under Wine.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

scripts/install-deps.sh
scripts/build.sh

echo "== Native tests"
ctest --test-dir build/native --output-on-failure

echo "== Windows tests (under Wine)"
# A prefix of the tests' own: some of its programs get unmanaged windows (below), which a user's
# prefix must not have.
export WINEPREFIX=${CORVANE_TEST_WINEPREFIX:-$PWD/build/wineprefix-tests}
source scripts/wine-env.sh
if [ -z "${DISPLAY:-}" ] || [ "${CI:-}" = "true" ]; then
    start_private_display
fi
trap stop_wine_env EXIT
prepare_wine_prefix
# Without a window manager Wine waits two seconds for one at every window that closes; unmanaged
# windows close at once. Only for the test programs that open and close many windows and need no
# keyboard focus from a window manager.
for program in corvane_road_tests.exe corvane_real_road_tests.exe corvane_settings_dialog_tests.exe; do
    wine reg add "HKCU\\Software\\Wine\\AppDefaults\\$program\\X11 Driver" /v Managed /t REG_SZ /d N /f \
        >/dev/null 2>&1
done
ctest --test-dir build/windows --output-on-failure
