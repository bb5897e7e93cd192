#!/usr/bin/env bash
# Configures and builds into out/ (out/ is the build tree); arguments go
# to the configure step. BUILD_TARGET=name builds that target only.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B out -DCMAKE_BUILD_TYPE=Release "$@"
cmake --build out -j"$(nproc)" ${BUILD_TARGET:+--target "$BUILD_TARGET"}
