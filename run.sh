#!/usr/bin/env bash
# Installs what is missing, builds, and starts the game window. A saved game
# (.vhf) given as argument is opened after the start-up picture.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh

install_missing_packages
configure_and_build build -DCMAKE_BUILD_TYPE=Release

exec build/bin/varnholt-backgammon "$@"
