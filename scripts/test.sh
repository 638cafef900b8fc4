#!/usr/bin/env bash
# Installs what is missing, builds both builds and runs every test: natively, then under Wine.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

scripts/install-deps.sh
scripts/build.sh

echo "== Native tests"
ctest --test-dir build/native --output-on-failure

echo "== Windows tests (under Wine)"
source scripts/wine-env.sh
if [ -z "${DISPLAY:-}" ] || [ "${CI:-}" = "true" ]; then
    start_private_display
fi
trap stop_wine_env EXIT
prepare_wine_prefix
ctest --test-dir build/windows --output-on-failure
