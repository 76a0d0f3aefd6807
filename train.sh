#!/usr/bin/env bash
# Trains the neural network of the champion opponent from nothing by
# self-play and writes the shipped weights (data/Champion.weights) and the
# learning curve (docs/learning-curve.csv and .svg), measured at 0 ply
# against the fixed network tests/data/Champion-v1.weights. The same seed
# always gives the same weights, whatever the number of threads. At the
# lowest priority; THREADS=2 ./train.sh plays a batch's games on two threads.
# ./train.sh --resume goes on from the last checkpoint of an interrupted run,
# with the settings the checkpoint keeps.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh

SEED=16
GAMES=300000
HIDDEN=96
ENCODING=1 # 1: the basic inputs; 2: with shots, escapes and primes
BATCH=1    # games learnt from the same weights at once; the shipped network learnt one by one
THREADS=${THREADS:-1}

install_missing_packages
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --parallel "$(nproc)" --target varnholt-train

mkdir -p build/train
resume=()
if [[ ${1:-} == --resume && -f build/train/checkpoint.weights ]]; then
    resume=(--resume build/train/checkpoint.weights)
fi
nice -n 19 build/tools/varnholt-train/varnholt-train \
    --games "$GAMES" --seed "$SEED" --hidden "$HIDDEN" --encoding "$ENCODING" \
    --batch "$BATCH" --threads "$THREADS" --lambda 0.7 --alpha 0.1 --final-alpha 0.02 \
    --checkpoint build/train/checkpoint.weights --checkpoint-every 10000 "${resume[@]}" \
    --curve docs/learning-curve.csv --measure-every 10000 --measure-games 500 \
    --yardstick tests/data/Champion-v1.weights \
    --out data/Champion.weights | tee -a build/train/train.log
build/tools/varnholt-train/varnholt-train plot --curve docs/learning-curve.csv \
    --out docs/learning-curve.svg
