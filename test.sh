#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test twice: on the normal
# build and on a build with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh

install_missing_packages

configure_and_build build -DCMAKE_BUILD_TYPE=Release -DVARNHOLT_WERROR=ON
(cd build && ctest --parallel "$(nproc)" --output-on-failure)

configure_and_build build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARNHOLT_WERROR=ON \
    -DVARNHOLT_SANITIZE=ON -DVARNHOLT_BUILD_BENCH=OFF
(cd build-sanitize && ctest --parallel "$(nproc)" --output-on-failure)
