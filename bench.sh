#!/usr/bin/env bash
# Installs what is missing, builds in release mode and runs the benchmarks.
# Extra arguments go to Google Benchmark, e.g. ./bench.sh --benchmark_filter=Start
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh

install_missing_packages
configure_and_build build -DCMAKE_BUILD_TYPE=Release -DVARNHOLT_BUILD_BENCH=ON
exec build/bin/varnholt-bench --benchmark_counters_tabular=true "$@"
