#!/usr/bin/env bash
# window_e2e.sh GAME CLI WRITER PROGRAM_DIR
# Starts the game window in its own X server on a saved game between two
# humans, presses the dice cup, drags a checker with both dice, saves the game
# with Ctrl+S and checks the saved file with the command-line tool, then opens
# the statistics from the menu by keyboard and closes them.
set -euo pipefail
game=$1 cli=$2 writer=$3 program_dir=$4

for tool in Xvfb xdotool; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is not installed, so no X server can be started"
        exit 77
    fi
done

work=$(mktemp -d)
xvfb_pid= game_pid=
cleanup() {
    [[ -n $game_pid ]] && kill "$game_pid" 2>/dev/null || true
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAILED: $*"
    [[ -f $work/layout.txt ]] && { echo "last layout report:"; cat "$work/layout.txt"; }
    [[ -f $work/game.log ]] && { echo "program output:"; cat "$work/game.log"; }
    exit 1
}
# wait_for SECONDS COMMAND...: true once the command succeeds.
wait_for() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@" >/dev/null 2>&1; do
        ((SECONDS < deadline)) || return 1
        sleep 0.2
    done
}

# A program directory of its own: the built pictures and sounds, fresh data.
mkdir -p "$work/Data"
cp "$program_dir"/Data/Computers.dat "$program_dir"/Data/*.html "$work/Data/" 2>/dev/null || true
for folder in Graphics Sounds Wallpapers; do
    ln -s "$program_dir/$folder" "$work/$folder"
done
"$writer" "$work/start.vhf"

display=
for number in $(seq 91 140); do
    if [[ ! -e /tmp/.X11-unix/X$number && ! -e /tmp/.X$number-lock ]]; then
        display=:$number
        break
    fi
done
[[ -n $display ]] || { echo "SKIPPED: no free X display number"; exit 77; }
Xvfb "$display" -screen 0 1280x960x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
if ! wait_for 15 xdotool getdisplaygeometry; then
    echo "SKIPPED: Xvfb could not be started:"
    cat "$work/xvfb.log"
    exit 77
fi

cd "$work"
VARNHOLT_LAYOUT_REPORT="$work/layout.txt" "$game" start.vhf >"$work/game.log" 2>&1 &
game_pid=$!

# report KEY: what the layout report says after KEY, e.g. "X Y" for "location 12".
report() { grep "^$1 " "$work/layout.txt" | head -n 1 | sed "s/^$1 //"; }
wait_for 30 grep -q '^cup ' "$work/layout.txt" || fail "the window never showed the dice cup"
[[ $(report side) == 0 ]] || fail "side 0 should be to move"

read -r x y <<<"$(report cup)"
xdotool mousemove "$x" "$y" click 1
wait_for 5 grep -q '^dice-shown 1' "$work/layout.txt" || fail "pressing the cup showed no dice"

# Ann moves a checker from point 12 to point 5 with the six and the one.
read -r x0 y0 <<<"$(report 'location 12')"
read -r x1 y1 <<<"$(report 'location 5')"
xdotool mousemove "$x0" "$y0"
sleep 0.3
xdotool mousedown 1
for step in 1 2 3 4 5; do
    xdotool mousemove $((x0 + (x1 - x0) * step / 5)) $((y0 + (y1 - y0) * step / 5))
    sleep 0.05
done
xdotool mouseup 1
wait_for 10 grep -q '^side 1' "$work/layout.txt" || fail "the drop did not end Ann's turn"

# Save with Ctrl+S into the work folder.
read -r x y <<<"$(report 'location 12')"
xdotool mousemove "$x" "$y"
main_window=$(xdotool search --sync --onlyvisible --name '^Varnholt Backgammon$' | head -n 1)
xdotool windowfocus --sync "$main_window" key ctrl+s
dialog=$(timeout 10 xdotool search --sync --onlyvisible --name '^Save Game$' | head -n 1) ||
    fail "Ctrl+S opened no save dialog"
xdotool windowfocus --sync "$dialog"
sleep 0.5
xdotool key ctrl+a
xdotool type --delay 20 "$work/saved.vhf"
xdotool key Return
wait_for 10 test -s "$work/saved.vhf" || fail "the game was not saved"

"$cli" open "$work/saved.vhf" >"$work/open.txt" || fail "the saved game does not open"
cat "$work/open.txt"
grep -q '^to move: side 1$' "$work/open.txt" || fail "Bob should be to move"
grep -q '^turns played 1$' "$work/open.txt" || fail "one turn should be played"
grep -q '^history 1 turns, cursor 1$' "$work/open.txt" || fail "the turn should be in the history"
expected='position -2 0 0 0 0 6 0 3 0 0 0 -5 4 0 0 0 -3 0 -5 0 0 0 0 2 0 0 0 0'
grep -q "^$expected\$" "$work/open.txt" || fail "the position should show the move 12/5"

# The statistics from the menu, by keyboard: Alt+O opens the Options menu,
# V its "View Statistics..." item; Escape closes the window again.
xdotool windowfocus --sync "$main_window" key alt+o
sleep 0.5
xdotool key v
statistics=$(timeout 10 xdotool search --sync --onlyvisible --name '^Game Statistics$' | head -n 1) ||
    fail "Alt+O, V opened no statistics window"
xdotool windowfocus --sync "$statistics" key Escape
wait_for 10 bash -c "! xdotool search --onlyvisible --name '^Game Statistics\$'" ||
    fail "Escape did not close the statistics window"

# Quit: Ctrl+Q asks about the game in progress; Enter answers Yes.
xdotool windowfocus --sync "$main_window" key ctrl+q
question=$(timeout 10 xdotool search --sync --onlyvisible --name '^Game In Progress$' | head -n 1) ||
    fail "Ctrl+Q asked nothing about the game in progress"
xdotool windowfocus --sync "$question" key Return
wait_for 30 bash -c "! kill -0 $game_pid" || fail "the program did not close"
wait "$game_pid" || fail "the program ended with an error"
game_pid=
echo "PASSED"
