#!/usr/bin/env bash
# install_test.sh BUILD_DIR VERSION BIN_DIR DATA_DIR
# Installs the build into a temporary DESTDIR and runs the installed
# varnholt-cli (in BIN_DIR of the prefix) from an empty folder with a fresh
# HOME: it must find the roster and the pictures in DATA_DIR, take the user's files from the XDG data home,
# and write nothing under the install prefix nor create anything in HOME.
set -euo pipefail
build=$1 version=$2 bin_dir=$3 data_dir=$4

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAILED: $*"
    for log in "$work"/*.out "$work"/*.err; do
        [[ -s $log ]] && { echo "--- $(basename "$log")"; cat "$log"; }
    done
    exit 1
}

DESTDIR="$work/root" cmake --install "$build" --prefix /usr >"$work/install.out" ||
    fail "cmake --install failed"
prefix=$work/root/usr
bin=$prefix/$bin_dir
share=$prefix/$data_dir
[[ -f $share/Data/Computers.dat && -f $share/Graphics/Die1.bmp ]] ||
    fail "the roster and the pictures should be in $data_dir"
for written in Settings.dat Stats.dat; do
    [[ ! -e $share/Data/$written ]] || fail "Data/$written is the user's and must not be installed"
done

tree() { (cd "$work/root" && find . -printf '%p %s %T@\n' | sort); }
tree >"$work/before.txt"
mkdir "$work/home" "$work/here" "$work/out"
cd "$work/here"
cli() { env -u XDG_DATA_HOME HOME="$work/home" "$bin/varnholt-cli" "$@"; }

[[ $(cli --version) == "varnholt-cli $version" ]] || fail "varnholt-cli --version: $(cli --version)"
if [[ -x $bin/varnholt-backgammon ]]; then
    [[ $("$bin/varnholt-backgammon" --version) == "varnholt-backgammon $version" ]] ||
        fail "varnholt-backgammon --version"
fi

cli settings >"$work/settings.out" 2>"$work/settings.err" || fail "settings without a settings file"
grep -q '^matchBet ' "$work/settings.out" || fail "settings printed no options"
grep -qF "$work/home/.local/share/varnholt-backgammon/Data/Settings.dat" "$work/settings.err" ||
    fail "settings should look in the user's folder"
[[ -z $(find "$work/home" "$work/here" -mindepth 1) ]] || fail "settings created files"

cli game --players Milo Lighthouse --seed 3 --budget-ms 0 >"$work/game.out" 2>"$work/game.err" ||
    fail "a game between two roster opponents"
grep -q '^game 1: ' "$work/game.out" || fail "the game reported no result"

cli render --position start --out "$work/out/board.png" >"$work/render.out" 2>"$work/render.err" ||
    fail "render"
[[ ! -s $work/render.err && -s $work/out/board.png ]] || fail "render should find every picture"

# XDG_DATA_HOME names the user's folder when set.
if HOME="$work/home" XDG_DATA_HOME="$work/xdg" "$bin/varnholt-cli" stats \
    >"$work/stats.out" 2>"$work/stats.err"; then
    fail "stats without a player file should fail"
fi
grep -qF "$work/xdg/varnholt-backgammon/Data/Stats.dat" "$work/stats.err" ||
    fail "stats should read the player file from \$XDG_DATA_HOME/varnholt-backgammon"

tree >"$work/after.txt"
diff "$work/before.txt" "$work/after.txt" >"$work/prefix.err" || fail "files changed under the prefix"
[[ -z $(find "$work/home" "$work/here" -mindepth 1) ]] || fail "files were created in HOME or here"
echo "PASSED"
