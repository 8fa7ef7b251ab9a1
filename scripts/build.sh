#!/usr/bin/env bash
# Configures and builds into build/ (Release with debug info).
set -eu
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
