#!/usr/bin/env bash
# Builds and starts the program. Its log-in offers the embedded demo hospital, created on
# first use in the user's data folder.
set -eu
cd "$(dirname "$0")/.."
scripts/build.sh
exec build/src/app/eyecenter
