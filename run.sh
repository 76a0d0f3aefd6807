#!/usr/bin/env bash
# Installs what is missing, builds, and starts a game: two random players on
# the terminal board, one turn at a time. Extra arguments go to the game, e.g.
# ./run.sh --seed 7 --delay-ms 100
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh

install_missing_packages
configure_and_build build -DCMAKE_BUILD_TYPE=Release

if [[ $# -eq 0 ]]; then
    set -- --delay-ms 400
fi
exec build/bin/varnholt-cli selfplay --games 1 "$@"
