#!/usr/bin/env bash
# Builds and runs the whole test suite headless.
set -eu
cd "$(dirname "$0")/.."
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)"
