#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs inside a bare X server: a lesson by real X keys (xdotool), read as a screen reader reads
# it (AT-SPI). A question opened while the plane flies starts clean; Show Question shows its
# text again without setting its scene up; after km, h every label with a unit shows it; Show
# Path leaves a track on the view; Check Ground Velocity tells how far off the red arrow is.
# Usage: lesson_check.sh BINARY OUTDIR
set -euo pipefail

binary=$1
out=$2
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$out"
fail() { echo "lesson: FAIL: $*" >&2; exit 1; }
source "$(dirname "$0")/x_helpers.sh"

start_private_accessibility_bus

export LSAN_OPTIONS="suppressions=$here/lsan.supp"
start_on_accessibility_bus "$out/zephyra.log" "Zephyra About" "$binary"
import -window "$main" "$out/l00-started.png"

keys() { xdotool key --delay 60 "$@"; sleep 0.5; }
read_text() { /usr/bin/python3 "$here/atspi_tree.py" --read "$1" | sed -n 1p; }
shot() { import -window "$main" "$out/$1"; }

# 1. A question opened while the plane flies starts at time 0, stopped, the plane at its start.
keys alt+s
sleep 1.5
[[ "$(read_text "Time: ")" != "Time: 0.00 s" ]] || fail "Alt+S did not start the flight"
keys alt+f Right Right Down Down Return # File > Questions > Introduction > Adding Vectors
keys Return                             # Ok
sleep 1
time=$(read_text "Time: ")
[[ "$time" == "Time: 0.00 s" ]] || fail "the question opened onto a flight at '$time'"
[[ "$(read_text "Start")" == "Start" ]] || fail "after the question the flight's button reads '$(read_text "St")'"
echo "lesson: a question opened during a flight starts at '$time', the button reads Start"

# 2. Show Question (F2) shows the text again; its Ok keeps the student's work.
keys alt+s
sleep 1
keys alt+s
flown=$(read_text "Time: ")
[[ "$flown" != "Time: 0.00 s" ]] || fail "the flight after the question did not run"
keys F2
sleep 0.5
shot l01-show-question.png
[ "$(count_colour "$out/l01-show-question.png" '#A9966D' "409x241+136+$((menu + 88))")" -gt 5000 ] ||
    fail "F2 did not show the question box"
keys Return
[[ "$(read_text "Time: ")" == "$flown" ]] || fail "Ok on the question shown again set its scene up"
echo "lesson: F2 showed the question again; after Ok the time still reads '$flown'"

# 3. km, h: every label with a unit shows it at once.
keys alt+o Down Down Return # Show Displacement
keys alt+o Up Right Down Return # Units (the last item) > km, h
shot l02-units.png
time=$(read_text "Time: ")
[[ "$time" == *" h" ]] || fail "after km, h the time reads '$time'"
keys alt+v
for prefix in "Wind: " "Plane: " "Ground: "; do
    text=$(read_text "$prefix")
    [[ "$text" == *" km/h "* ]] || fail "after km, h the label reads '$text'"
done
echo "lesson: after km, h: '$time', '$(read_text "Wind: ")', '$(read_text "Ground: ")'"

# 4. Show Path: the track stays on the view after the plane has left it. Alt+S flies from the
#    Velocities page too.
keys alt+o Down Down Down Return # Show Path
keys alt+s
sleep 3
keys alt+s
shot l03-path.png
track=$(count_colour "$out/l03-path.png" '#E66E00' "578x519+5+$((menu + 16))")
[ "$track" -gt 100 ] || fail "Show Path left $track track pixels on the view"
echo "lesson: Show Path left $track track pixels on the view after 3 s of flight"

# 5. Check Ground Velocity on the question's own red arrow.
keys ctrl+g
message=$(read_text "Your ground velocity: ")
[[ "$message" == *"Off by "* ]] || fail "Check Ground Velocity said '$message'"
echo "lesson: Ctrl+G: $message"
keys Return
xdotool windowfocus --sync "$main"
keys ctrl+q
echo "lesson: passed; screenshots in $out"
