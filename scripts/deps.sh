#!/usr/bin/env bash
# Installs the Debian packages the project builds and tests with, when any is missing.
set -eu
packages=(cmake g++ make pkg-config qt6-base-dev qt6-svg-dev libqt6svg6-dev libqt6sql6-sqlite
          libqt6sql6-odbc libsqlite3-dev sqlite3 unixodbc unixodbc-dev libsqliteodbc
          libbenchmark-dev xvfb xauth)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
