#!/usr/bin/env bash
# Installs what is missing, builds the game and makes its Debian package in build/release.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target vestorine
(cd build/release && cpack -G DEB >/dev/null)
ls build/release/vestorine_*.deb
