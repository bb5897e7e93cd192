#!/usr/bin/env bash
# Builds everything and runs every test headless; then the clang check.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --test
scripts/build.sh
(cd out && QT_QPA_PLATFORM=offscreen WORKBENCH_LOOPBACK_ONLY=1 ctest --output-on-failure -j"$(nproc)")

# The library again with clang, warnings as errors, no optimisation and no
# debug info (it is a compile check, kept cheap), instrumented for the
# libFuzzer targets; each target then tries a few thousand inputs.
cmake -S . -B out-clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE= \
      -DCMAKE_COMPILE_WARNING_AS_ERROR=ON -DWORKBENCH_FUZZ=ON
cmake --build out-clang -j"$(nproc)"
(cd out-clang && ctest --output-on-failure -j"$(nproc)")
