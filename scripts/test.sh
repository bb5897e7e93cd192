#!/usr/bin/env bash
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
cd out
QT_QPA_PLATFORM=offscreen WORKBENCH_LOOPBACK_ONLY=1 ctest --output-on-failure -j"$(nproc)"
