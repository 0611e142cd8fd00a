#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs inside a bare X server (no window manager, started with -noreset so that the desktop's
# resources stay set) big enough for the window at 300 %, and opens Zephyra at every screen
# scale from 100 % to 300 % in steps of 25 % (QT_SCALE_FACTOR), then at 125 %, 150 % and 175 %
# as an X desktop sets them (Xft.dpi 120, 144 and 168). At each: the square that moves both arrows has its whole outline,
# equally wide on every side; the blue and red arrows, equal lines of the design, are equally
# wide; and the Velocities page, shown after the Controls page, keeps nothing of it: it equals
# the page painted anew once the window is resized. Screenshots are kept.
# Usage: scale_sweep.sh BINARY OUTDIR [CASE...]
#   CASE: PERCENT (QT_SCALE_FACTOR) or dpi:DPI (Xft.dpi); by default all twelve.
set -euo pipefail

binary=$1
out=$2
shift 2
cases=("${@:-100 125 150 175 200 225 250 275 300 dpi:120 dpi:144 dpi:168}")
mkdir -p "$out"
here=$(dirname "$0")
source "$here/x_helpers.sh"
export LSAN_OPTIONS="suppressions=$here/lsan.supp"
export HOME="$out/home"
mkdir -p "$HOME"

for case in ${cases[*]}; do
    if [[ $case == dpi:* ]]; then
        dpi=${case#dpi:}
        percent=dpi$dpi
        scale=$(awk -v d="$dpi" 'BEGIN { printf "%.2f", d / 96 }')
        xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "$(printf 'Xft.dpi:\t%s\n' "$dpi")"
        factor=
    else
        percent=$case
        scale=$(awk -v p="$percent" 'BEGIN { printf "%.2f", p / 100 }')
        xprop -root -remove RESOURCE_MANAGER 2>/dev/null || true
        factor=$scale
    fi
    fail() { echo "e2e: FAIL: at $case: $*" >&2; exit 1; }
    env ${factor:+QT_SCALE_FACTOR=$factor} "$binary" >"$out/zephyra-$percent.log" 2>&1 &
    pid=$!
    trap 'kill "$pid" 2>/dev/null || true' EXIT
    main=$(wait_window '^Zephyra$') || fail "the main window did not appear"
    eval "$(xdotool getwindowgeometry --shell "$main")"
    [ "$WIDTH" = "$(awk -v s="$scale" 'BEGIN { printf "%d", 792 * s + 0.5 }')" ] ||
        fail "the window is $WIDTH pixels wide, not 792 at scale $scale"
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
    echo "e2e: at $case: the square's outline $top px on every side, both arrows $blue px, no stale pixel"
done
