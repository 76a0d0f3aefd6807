#!/usr/bin/env bash
# Trains a network of the trained engine from nothing by self-play:
#   ./train.sh [champion]  the champion's network, data/Champion.weights, in two
#                          phases: 300 000 games from nothing, the first
#                          champion's network (tests/data/Champion-v1.weights),
#                          then 500 000 games on from it at a smaller step size;
#                          each with its learning curve (docs/learning-curve.csv
#                          and docs/learning-curve-2.csv, .svg) measured at 0 ply
#                          against the fixed network tests/data/Champion-v1.weights;
#   ./train.sh race        the race network, data/Race.weights, trained on the
#                          races of games the first champion's network plays;
#   ./train.sh contact     the next champion's network in the making: the rich
#                          inputs, 128 hidden units, written to
#                          build/train/contact.weights.
# The same seed always gives the same weights, whatever the number of threads
# (THREADS=2 ./train.sh ... plays a batch's games on two threads). At the
# lowest priority. --resume (after the name) goes on from the run's last
# checkpoint, build/train/NAME.checkpoint.weights, or else the one committed
# in train/, with the settings the checkpoint keeps; the champion's second
# phase is the run champion-2, started from the first phase's network,
# build/train/champion-1.weights (its finished checkpoint is committed).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh

network=${1:-champion}
[[ $network == --resume ]] && network=champion
resuming=no
for argument in "$@"; do
    [[ $argument == --resume ]] && resuming=yes
done
THREADS=${THREADS:-1}
YARDSTICK=tests/data/Champion-v1.weights
case $network in
champion | race | contact) ;;
*)
    echo "usage: ./train.sh [champion|race|contact] [--resume]" >&2
    exit 2
    ;;
esac

install_missing_packages
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --parallel "$(nproc)" --target varnholt-train
mkdir -p build/train
trainer=build/tools/varnholt-train/varnholt-train

# train RUN OUT [--start-from FILE] OPTION...: one run, going on from its
# checkpoint with --resume (then without --start-from).
train() {
    local run=$1 out=$2
    shift 2
    local checkpoint=build/train/$run.checkpoint.weights start=()
    if [[ ${1:-} == --start-from ]]; then
        start=(--start-from "$2")
        shift 2
    fi
    if [[ $resuming == yes && ! -f $checkpoint && -f train/$run.checkpoint.weights ]]; then
        cp "train/$run.checkpoint.weights" "$checkpoint"
    fi
    local from=("${start[@]}")
    [[ $resuming == yes && -f $checkpoint ]] && from=(--resume "$checkpoint")
    nice -n 19 "$trainer" --lambda 0.7 --threads "$THREADS" --checkpoint "$checkpoint" \
        --checkpoint-every 10000 "${from[@]}" "$@" --out "$out" | tee -a "build/train/$run.log"
}

case $network in
champion)
    first=build/train/champion-1.weights
    second_started=no
    for checkpoint in build/train/champion-2.checkpoint.weights train/champion-2.checkpoint.weights; do
        [[ -f $checkpoint ]] && second_started=yes
    done
    if [[ $resuming == no || ($second_started == no && ! -f $first) ]]; then
        train champion "$first" --games 300000 --seed 16 --hidden 96 --encoding 1 --batch 1 \
            --alpha 0.1 --final-alpha 0.02 --curve docs/learning-curve.csv \
            --measure-every 10000 --measure-games 500 --yardstick "$YARDSTICK"
    fi
    train champion-2 data/Champion.weights --start-from "$first" --games 500000 --seed 17 \
        --hidden 96 --encoding 1 --batch 2 --alpha 0.02 --final-alpha 0.004 \
        --solved-bearoffs 1 --curve docs/learning-curve-2.csv --measure-every 50000 \
        --measure-games 500 --yardstick "$YARDSTICK"
    for curve in learning-curve learning-curve-2; do
        "$trainer" plot --curve "docs/$curve.csv" --out "docs/$curve.svg"
    done
    ;;
race)
    train race data/Race.weights --games 200000 --seed 16 --hidden 64 --encoding 3 --batch 2 \
        --alpha 0.1 --final-alpha 0.02 --solved-bearoffs 1 --race-lead "$YARDSTICK" \
        --measure-every 0
    ;;
contact)
    train contact build/train/contact.weights --games 300000 --seed 16 --hidden 128 \
        --encoding 2 --batch 2 --alpha 0.1 --final-alpha 0.02 --solved-bearoffs 1 \
        --measure-every 0
    ;;
esac
