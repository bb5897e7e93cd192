#!/usr/bin/env bash
# Configures and builds into out/ (build/ is a source folder).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B out -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build out -j"$(nproc)"
