#!/usr/bin/env bash
# Trains a network of the trained engine from nothing by self-play:
#   ./train.sh [champion]  the champion's network, data/Champion.weights, and
#                          its learning curve (docs/learning-curve.csv, .svg)
#                          measured at 0 ply against the fixed network
#                          tests/data/Champion-v1.weights;
#   ./train.sh race        the race network, data/Race.weights, trained on the
#                          races of games the champion's network plays;
#   ./train.sh contact     the next champion's network in the making: the rich
#                          inputs, 128 hidden units, written to
#                          build/train/contact.weights.
# The same seed always gives the same weights, whatever the number of threads
# (THREADS=2 ./train.sh ... plays a batch's games on two threads). At the
# lowest priority. --resume (after the name) goes on from the run's last
# checkpoint, build/train/NAME.checkpoint.weights, or else the one committed
# in train/, with the settings the checkpoint keeps.
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
SEED=16
extra=()
case $network in
champion)
    GAMES=300000 HIDDEN=96 ENCODING=1 BATCH=1 OUT=data/Champion.weights
    extra=(--curve docs/learning-curve.csv --measure-every 10000 --measure-games 500
           --yardstick tests/data/Champion-v1.weights)
    ;;
race)
    GAMES=200000 HIDDEN=64 ENCODING=3 BATCH=2 OUT=data/Race.weights
    extra=(--solved-bearoffs 1 --race-lead data/Champion.weights --measure-every 0)
    ;;
contact)
    GAMES=300000 HIDDEN=128 ENCODING=2 BATCH=2 OUT=build/train/contact.weights
    extra=(--solved-bearoffs 1 --measure-every 0)
    ;;
*)
    echo "usage: ./train.sh [champion|race|contact] [--resume]" >&2
    exit 2
    ;;
esac

install_missing_packages
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --parallel "$(nproc)" --target varnholt-train

mkdir -p build/train
checkpoint=build/train/$network.checkpoint.weights
resume=()
if [[ $resuming == yes ]]; then
    if [[ ! -f $checkpoint && -f train/$network.checkpoint.weights ]]; then
        cp "train/$network.checkpoint.weights" "$checkpoint"
    fi
    [[ -f $checkpoint ]] && resume=(--resume "$checkpoint")
fi
nice -n 19 build/tools/varnholt-train/varnholt-train \
    --games "$GAMES" --seed "$SEED" --hidden "$HIDDEN" --encoding "$ENCODING" \
    --batch "$BATCH" --threads "$THREADS" --lambda 0.7 --alpha 0.1 --final-alpha 0.02 \
    --checkpoint "$checkpoint" --checkpoint-every 10000 "${resume[@]}" "${extra[@]}" \
    --out "$OUT" | tee -a "build/train/$network.log"
if [[ $network == champion ]]; then
    build/tools/varnholt-train/varnholt-train plot --curve docs/learning-curve.csv \
        --out docs/learning-curve.svg
fi
