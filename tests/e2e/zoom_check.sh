#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs inside a bare X server (no window manager) and drives Zephyra with real X input at one
# scale: closes the about box with a click, joins the plane arrow to the wind arrow with two
# drags, copies a selection, opens a question and moves the plane start by a key, copies again,
# flies, and ends by Ctrl+Q. Each copy, taken as it is seen, has the selection's size at that
# scale; after it, Actual Size (Ctrl+0) shows the same scene at the designed size, where it is
# copied again for scripts/e2e to hold against the copies made at the designed size, and the
# options' scale comes back (Ctrl+= steps, or F11). Client-area points are designed pixels;
# each is clicked in the middle of the device pixels that show it.
# Usage: zoom_check.sh BINARY OUTDIR [PROGRAM OPTIONS...]
# (Without options the window opens at its designed size.)
set -euo pipefail

binary=$1
out=$2
shift 2
options=("$@")
mkdir -p "$out"
fail() { echo "e2e: FAIL: $(basename "$out"): $*" >&2; exit 1; }
source "$(dirname "$0")/x_helpers.sh"

export LSAN_OPTIONS="suppressions=$(dirname "$0")/lsan.supp"
export HOME="$out/home"
mkdir -p "$HOME"
"$binary" "$@" >"$out/zephyra.log" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

main=$(wait_window '^Zephyra$') || fail "the main window did not appear"
about=$(wait_window '^Zephyra About$') || fail "the about box did not appear at start-up"
sleep 0.5
import -window root "$out/01-about-box.png"
eval "$(xdotool getwindowgeometry --shell "$about")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 1
for _ in $(seq 25); do
    xdotool search --onlyvisible --name '^Zephyra About$' >/dev/null 2>&1 || break
    sleep 0.2
done
xdotool search --onlyvisible --name '^Zephyra About$' >/dev/null 2>&1 &&
    fail "a click did not close the about box"
sleep 0.5

# The client area fills what the menu bar, scaled with it, leaves, scaled by one factor and
# centred.
measure() {
    sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$main")"
    import -window "$main" "$out/measured.png"
    menu=$(menu_height "$out/measured.png")
    [ -n "$menu" ] || fail "no client area below the menu bar"
    read -r scale left top < <(awk -v w="$WIDTH" -v h="$HEIGHT" -v m="$menu" 'BEGIN {
        s = w / 792; if ((h - m) / 546 < s) s = (h - m) / 546
        printf "%.9f %.3f %.3f\n", s, (w - 792 * s) / 2, m + (h - m - 546 * s) / 2 }')
}
measure
echo "$menu" >"$out/menu-height"
echo "e2e: $(basename "$out"): window ${WIDTH} x ${HEIGHT}, menu bar $menu high, client area at scale $scale"
if [ ${#options[@]} -eq 0 ]; then
    [ "$WIDTH" -eq 792 ] && [ "$((HEIGHT - menu))" -eq 546 ] ||
        fail "the window is $WIDTH x $((HEIGHT - menu)) below its menu bar, not its designed 792 x 546"
fi
# The device pixel of the main window in the middle of designed client pixel ($1, $2).
device() { awk -v x="$1" -v y="$2" -v s="$scale" -v l="$left" -v t="$top" \
    'BEGIN { printf "%d %d\n", l + (x + 0.5) * s, t + (y + 0.5) * s }'; }
move_to() { read -r dx dy < <(device "$1" "$2"); xdotool mousemove --window "$main" "$dx" "$dy"; }
click_at() { move_to "$1" "$2"; xdotool click 1; sleep 0.3; }
drag_from_to() {
    move_to "$1" "$2"
    xdotool mousedown 1
    for step in 1 2 3 4; do
        move_to $(($1 + ($3 - $1) * step / 4)) $(($2 + ($4 - $2) * step / 4))
        sleep 0.05
    done
    xdotool mouseup 1
    sleep 0.3
}
keys() { xdotool key --delay 30 "$@"; sleep 0.3; }
shot() { import -window "$main" "$out/$1"; }
# File > Copy Select, a selection dragged from bottom-right to top-left of client points
# ($1, $2) to ($3, $4), Copy Select off again; the clipboard's picture goes to $5, which must
# be the selection's size at the scale shown.
copy_select() {
    click_at 700 480
    keys alt+f Down Down Down Down Return
    drag_from_to "$3" "$4" "$1" "$2"
    xclip -selection clipboard -t image/png -o >"$out/$5" 2>/dev/null ||
        fail "the clipboard holds no picture"
    click_at 700 480
    keys alt+f Down Down Down Down Return
    local expected copied
    expected=$(awk -v w=$(($3 - $1)) -v h=$(($4 - $2)) -v s="$scale" \
        'BEGIN { printf "%dx%d\n", int(w * s + 0.5), int(h * s + 0.5) }')
    copied=$(identify -format '%wx%h' "$out/$5")
    [ "$copied" = "$expected" ] || fail "the copied selection $5 is $copied, expected $expected"
}
# The selection copied as seen ($5-seen.png), then at the designed size ($5.png) after Actual
# Size, and the options' scale back. At the designed size, one copy.
copy_seen_and_designed() {
    if [ ${#options[@]} -eq 0 ]; then
        copy_select "$1" "$2" "$3" "$4" "$5.png"
        return
    fi
    copy_select "$1" "$2" "$3" "$4" "$5-seen.png"
    local width=$WIDTH height=$HEIGHT
    keys ctrl+0
    measure
    [ "$WIDTH" -eq 792 ] && [ "$((HEIGHT - menu))" -eq 546 ] ||
        fail "Actual Size made the window $WIDTH x $((HEIGHT - menu)) below its menu bar"
    copy_select "$1" "$2" "$3" "$4" "$5.png"
    move_to 700 480
    if [ "${options[0]}" = --full-screen ]; then
        keys F11
    else
        for _ in $(seq $(((${options[1]} - 100) / 25))); do keys ctrl+equal; done
    fi
    measure
    [ "$WIDTH" -eq "$width" ] && [ "$HEIGHT" -eq "$height" ] ||
        fail "the window came back at $WIDTH x $HEIGHT, not $width x $height"
}

# 1. The plane arrow's middle (client 486, 299) drawn down, then carried so that its tail
#    (40 px behind the middle) meets the wind arrow's tip at (526, 115).
drag_from_to 486 299 486 399
drag_from_to 486 399 566 115
shot 02-joined.png
copy_seen_and_designed 405 76 575 146 03-joined-copy

# 2. File > Questions > Introduction > Adding Vectors, Ok by Space (the focus goes back to the
#    ground view), Tab to the plane start, Down: it moves, and zoom_compare.sh finds it where the
#    same key puts it at the designed size, one designed pixel down.
keys alt+f Right Right Down Down Return
sleep 0.3
keys space
sleep 0.4
keys Tab
shot 04-before-key.png
keys Down
shot 05-key-step.png
moved=$(compare -metric AE "$out/04-before-key.png" "$out/05-key-step.png" null: 2>&1 || true)
[ "${moved%% *}" -gt 0 ] 2>/dev/null || fail "Down on the plane start changed nothing"
copy_seen_and_designed 15 26 565 516 05-key-step-copy

# 3. "&Start" (client 643, 50) makes the sky move under the plane.
shot 06-before-flight.png
click_at 643 50
sleep 1
shot 07-flying.png
ground="$(awk -v s="$scale" -v l="$left" -v t="$top" -v m="$menu" \
    'BEGIN { printf "%dx%d+%d+%d", 578 * s, 519 * s, l + 5 * s, t - m + 16 * s }')"
changed=$(compare -metric AE -crop "$ground" "$out/06-before-flight.png" "$out/07-flying.png" null: 2>&1 || true)
[ "${changed%% *}" -gt 1000 ] 2>/dev/null || fail "the flight did not move the ground view ($changed pixels changed)"
echo "e2e: $(basename "$out"): a flight changed $changed pixels of the ground view"
click_at 643 50
keys ctrl+q
wait "$pid" || fail "the program did not end cleanly on Ctrl+Q"
trap - EXIT
