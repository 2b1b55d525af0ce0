#!/usr/bin/env bash
# Builds everything and runs every test: windows on the offscreen platform, printing to
# the PDF queue of a running print system.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2
scripts/start-cups.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j2
