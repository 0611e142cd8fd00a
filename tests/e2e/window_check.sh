#!/usr/bin/env bash
# Runs inside a bare X server (no window manager): starts Zephyra, closes the about box with a
# click, checks the client area, starts a flight with a click and sees the plane move.
# Usage: window_check.sh BINARY OUTDIR
set -euo pipefail

binary=$1
out=$2
mkdir -p "$out"
fail() { echo "e2e: FAIL: $*" >&2; exit 1; }
pale='#FEFDC7'

# Prints the number of pixels of colour $2 in the crop geometry $3 of picture $1.
count_colour() { convert "$1" -crop "$3" +repage txt:- | grep -ci -- "$2" || true; }

# Waits up to 10 s for a visible window whose name matches $1; prints its id.
wait_window() {
    local id=""
    for _ in $(seq 50); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.2
    done
    return 1
}

export LSAN_OPTIONS="suppressions=$(dirname "$0")/lsan.supp"
"$binary" >"$out/zephyra.log" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

main=$(wait_window '^Zephyra$') || fail "the main window did not appear"

# 1. The about box opens at start-up; a click anywhere on it closes it.
about=$(wait_window '^Zephyra About$') || fail "the about box did not appear at start-up"
sleep 0.3
import -window root "$out/01-about-box.png"
xdotool mousemove --window "$about" 20 20 click 1
for _ in $(seq 25); do
    xdotool search --onlyvisible --name '^Zephyra About$' >/dev/null 2>&1 || break
    sleep 0.2
done
xdotool search --onlyvisible --name '^Zephyra About$' >/dev/null 2>&1 &&
    fail "a click did not close the about box"
echo "e2e: a click closed the about box"

# 2. The client area below the menu bar is 792 x 546: the window is 792 wide, and the
#    window's pale background fills the last 546 rows of its left edge and the whole bottom row.
sleep 0.5
import -window "$main" "$out/02-started.png"
read -r width height < <(identify -format '%w %h\n' "$out/02-started.png")
[ "$width" -eq 792 ] || fail "window width $width, expected 792"
rows=$(count_colour "$out/02-started.png" "$pale" "1x${height}+1+0")
[ "$rows" -eq 546 ] || fail "client area is $rows rows high, expected 546"
bottom=$(count_colour "$out/02-started.png" "$pale" "792x1+0+$((height - 1))")
[ "$bottom" -eq 792 ] || fail "bottom row holds $bottom client pixels, expected 792"
menu=$((height - 546))
echo "e2e: client area 792 x 546 below a menu bar of $menu px"

# 3. "&Start" makes the plane figure leave its start: the plane is black, centred on the start
#    marker at (223, 236) below the menu bar, and about 50 px across.
plane_box="60x60+193+$((menu + 206))"
before=$(count_colour "$out/02-started.png" '#000000' "$plane_box")
[ "$before" -gt 100 ] || fail "no plane at its start before the flight ($before black pixels)"
# The "&Start" button: panel (588, 3) + notebook (2, 2) + page (4, 25) + button (8, 8).
xdotool mousemove --window "$main" $((606 + 37)) $((menu + 38 + 12)) click 1
sleep 1
import -window "$main" "$out/03-flying.png"
after=$(count_colour "$out/03-flying.png" '#000000' "$plane_box")
[ "$after" -lt $((before / 3)) ] || fail "the plane did not move ($before -> $after black pixels at its start)"
changed=$(compare -metric AE -crop "578x519+5+$((menu + 16))" "$out/02-started.png" "$out/03-flying.png" null: 2>&1 || true)
echo "e2e: after Start the plane left its start ($before -> $after black pixels there; $changed pixels of the ground view changed)"

kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
trap - EXIT
echo "e2e: passed; screenshots in $out"
