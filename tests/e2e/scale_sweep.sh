#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs inside a bare X server (no window manager) big enough for the window at 300 %, and opens
# Zephyra at every screen scale from 100 % to 300 % in steps of 25 % (QT_SCALE_FACTOR, as a
# desktop scale sets it). At each: the square that moves both arrows has its whole outline,
# equally wide on every side; the blue and red arrows, equal lines of the design, are equally
# wide; and the Velocities page, shown after the Controls page, keeps nothing of it: it equals
# the page painted anew once the window is resized. Screenshots are kept.
# Usage: scale_sweep.sh BINARY OUTDIR [PERCENT...]   (by default all nine)
set -euo pipefail

binary=$1
out=$2
shift 2
percents=("${@:-100 125 150 175 200 225 250 275 300}")
mkdir -p "$out"
here=$(dirname "$0")
source "$here/x_helpers.sh"
export LSAN_OPTIONS="suppressions=$here/lsan.supp"
export HOME="$out/home"
mkdir -p "$HOME"

for percent in ${percents[*]}; do
    fail() { echo "e2e: FAIL: at $percent %: $*" >&2; exit 1; }
    scale=$(awk -v p="$percent" 'BEGIN { printf "%.2f", p / 100 }')
    QT_SCALE_FACTOR=$scale "$binary" >"$out/zephyra-$percent.log" 2>&1 &
    pid=$!
    trap 'kill "$pid" 2>/dev/null || true' EXIT
    main=$(wait_window '^Zephyra$') || fail "the main window did not appear"
    about=$(wait_window '^Zephyra About$') || fail "the about box did not appear"
    sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$about")"
    xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 1
    xdotool mousemove 0 0
    sleep 1
    controls="$out/$percent-controls.png"
    import -window "$main" "$controls"
    # A crop given in the window's designed pixels, in device pixels.
    crop() { awk -v s="$scale" -v w="$1" -v h="$2" -v x="$3" -v y="$4" \
        'BEGIN { printf "%dx%d+%d+%d", w * s, h * s, x * s, y * s }'; }

    read -r top bottom left right < <("$here/line_widths.py" square "$controls" "$(crop 24 24 476 203)")
    [ "$top" -gt 0 ] && [ "$bottom" = "$top" ] && [ "$left" = "$top" ] && [ "$right" = "$top" ] ||
        fail "the square's outline is $top, $bottom, $left and $right pixels wide (top, bottom, left, right)"
    blue=$("$here/line_widths.py" across "$controls" "$(crop 70 20 450 124)" 0000ff)
    red=$("$here/line_widths.py" across "$controls" "$(crop 70 20 432 435)" ff0000)
    [ "$blue" -gt 0 ] && [ "$blue" = "$red" ] ||
        fail "the blue arrow is $blue pixels wide, the red one $red"

    xdotool windowfocus --sync "$main"
    xdotool key alt+v
    sleep 1
    import -window "$main" "$out/$percent-velocities.png"
    eval "$(xdotool getwindowgeometry --shell "$main")"
    xdotool windowsize "$main" $((WIDTH + 1)) "$HEIGHT"
    sleep 0.5
    xdotool windowsize "$main" "$WIDTH" "$HEIGHT"
    sleep 1
    import -window "$main" "$out/$percent-velocities-anew.png"
    stale=$(compare -metric AE "$out/$percent-velocities.png" "$out/$percent-velocities-anew.png" null: 2>&1 || true)
    [ "$stale" = 0 ] || fail "$stale pixels of the Velocities page differ from the page painted anew"

    kill "$pid"
    wait "$pid" 2>/dev/null || true
    trap - EXIT
    echo "e2e: at $percent %: the square's outline $top px on every side, both arrows $blue px, no stale pixel"
done
