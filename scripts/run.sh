#!/usr/bin/env bash
# Builds, creates the embedded demo hospital on first use, and opens it in the SQL console.
set -eu
cd "$(dirname "$0")/.."
scripts/build.sh
data="${XDG_DATA_HOME:-$HOME/.local/share}/EyeCenter/demo-hospital"
[ -f "$data/Clinical_Area.db" ] || build/src/tools/eyecenter-sql --data "$data" --create --size demo
echo "Demo hospital in $data; type a statement a line (Ctrl-D ends)."
exec build/src/tools/eyecenter-sql --data "$data"
