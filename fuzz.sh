#!/usr/bin/env bash
# ./fuzz.sh [SECONDS] [TARGET...]: builds the fuzz targets (fuzz/, clang with
# libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer) in build-fuzz/
# and runs each for SECONDS (default 60), every target when none is named.
# Each starts from its seeds in fuzz/corpus/<target>/ and what it found before
# in build-fuzz/corpus/<target>/, where new inputs go; an input that crashes
# is kept as build-fuzz/crashes/<target>-crash-..., and fails the run.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh

seconds=${1:-60}
shift || true

install_missing_packages clang libclang-rt-14-dev

CXX=clang++ cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1" -DCMAKE_UNITY_BUILD=ON >/dev/null
cmake --build build-fuzz --parallel "$(nproc)"

targets=("$@")
if ((${#targets[@]} == 0)); then
    mapfile -t targets <build-fuzz/fuzz_targets.txt
fi

mkdir -p build-fuzz/crashes
failed=()
for target in "${targets[@]}"; do
    mkdir -p "build-fuzz/corpus/$target"
    echo "Fuzzing $target for ${seconds} s"
    if ! ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        "build-fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=20 -print_final_stats=1 \
        -artifact_prefix="build-fuzz/crashes/$target-" \
        "build-fuzz/corpus/$target" "fuzz/corpus/$target" >"build-fuzz/$target.log" 2>&1; then
        failed+=("$target")
        tail -n 40 "build-fuzz/$target.log"
    fi
    grep -aE "^stat::(number_of_executed_units|average_exec_per_sec|new_units_added)" \
        "build-fuzz/$target.log" | tr '\n' ' '
    echo
done

if ((${#failed[@]} > 0)); then
    echo "Fuzzing found crashes in: ${failed[*]} (inputs in build-fuzz/crashes/)"
    exit 1
fi
echo "Fuzzing: ${#targets[@]} targets ran ${seconds} s each without a crash"
