#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test headless: the settings
# fuzzer, the whole suite under AddressSanitizer and UndefinedBehaviorSanitizer, then the release
# build with the packaging and end-to-end checks.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh
export QT_QPA_PLATFORM=offscreen

for preset in fuzz asan release; do
    echo "== $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done
