#!/usr/bin/env bash
# Builds bq and starts it beside its delivered database (build/bin/trfp.mdb; an existing
# database there is the operator's and is kept), from its own folder, where 帮助 finds
# the help document.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2
cd build/bin
exec ./bq
