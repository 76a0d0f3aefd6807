#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test twice: on the normal
# build and on a build with AddressSanitizer and UndefinedBehaviorSanitizer;
# in between, a short run of the fuzz targets.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh

install_missing_packages

configure_and_build build -DCMAKE_BUILD_TYPE=Release -DVARNHOLT_WERROR=ON
(cd build && ctest --parallel "$(nproc)" --output-on-failure)

# Every reader of outside bytes under libFuzzer for a few seconds (fuzz.sh).
./fuzz.sh 5

# -O1 and line tables only: about half the compile time of -O2 -g, with the
# same findings and file:line in every report.
configure_and_build build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1 -DNDEBUG" -DVARNHOLT_WERROR=ON \
    -DVARNHOLT_SANITIZE=ON -DVARNHOLT_BUILD_BENCH=OFF
(cd build-sanitize && ctest --parallel "$(nproc)" --output-on-failure)
