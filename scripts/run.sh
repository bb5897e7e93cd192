#!/usr/bin/env bash
# Builds the application alone (the tests are built by scripts/test.sh) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
BUILD_TARGET=workbench scripts/build.sh
exec out/workbench
