#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs inside a bare X server (no window manager) and drives Zephyra with real X input: closes the
# about box with a click, checks the client area, flies the plane, drags an arrow, copies part of
# the ground view to the clipboard, flies a built-in question and saves and loads a motion.
# Usage: window_check.sh BINARY OUTDIR
set -euo pipefail

binary=$1
out=$2
mkdir -p "$out"
fail() { echo "e2e: FAIL: $*" >&2; exit 1; }
source "$(dirname "$0")/x_helpers.sh"
pale='#FEFDC7'

export LSAN_OPTIONS="suppressions=$(dirname "$0")/lsan.supp"
# A home of its own, to see that the program leaves no settings there.
export HOME="$out/home"
mkdir -p "$HOME"
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
# At real time the plane is 200 px away after a second; a busy machine may need longer.
for _ in $(seq 10); do
    sleep 0.5
    import -window "$main" "$out/03-flying.png"
    after=$(count_colour "$out/03-flying.png" '#000000' "$plane_box")
    [ "$after" -lt $((before / 3)) ] && break
done
[ "$after" -lt $((before / 3)) ] || fail "the plane did not move ($before -> $after black pixels at its start)"
changed=$(compare -metric AE -crop "578x519+5+$((menu + 16))" "$out/02-started.png" "$out/03-flying.png" null: 2>&1 || true)
echo "e2e: after Start the plane left its start ($before -> $after black pixels there; $changed pixels of the ground view changed)"

# Clicks at client-area point ($1, $2) of the main window (below the menu bar).
click_at() { xdotool mousemove --window "$main" "$1" $((menu + $2)) click 1; sleep 0.3; }
# Presses at client point ($1, $2), moves through to ($3, $4) in four steps, releases there.
drag_from_to() {
    xdotool mousemove --window "$main" "$1" $((menu + $2)) mousedown 1
    for step in 1 2 3 4; do
        xdotool mousemove --window "$main" $(($1 + ($3 - $1) * step / 4)) \
            $((menu + $2 + ($4 - $2) * step / 4))
        sleep 0.05
    done
    xdotool mouseup 1
    sleep 0.3
}
shot() { import -window "$main" "$out/$1"; }
# Client-area buttons: the page of the notebook starts at (594, 30).
start_button=(643 50)
reset_button=(731 50)

# 4. Stop and reset, then drag the wind arrow's middle handle with the mouse: the blue arrow follows.
click_at "${start_button[@]}"
click_at "${reset_button[@]}"
shot 04-reset.png
blue_old=$(count_colour "$out/04-reset.png" '#0000FF' "100x20+436+$((menu + 105))")
[ "$blue_old" -gt 40 ] || fail "no wind arrow at its designed place ($blue_old blue pixels)"
drag_from_to 486 115 300 420
shot 05-wind-arrow-dragged.png
blue_new=$(count_colour "$out/05-wind-arrow-dragged.png" '#0000FF' "100x20+250+$((menu + 410))")
blue_left=$(count_colour "$out/05-wind-arrow-dragged.png" '#0000FF' "100x20+436+$((menu + 105))")
[ "$blue_new" -gt 40 ] && [ "$blue_left" -lt 5 ] ||
    fail "the wind arrow did not follow the drag ($blue_new blue pixels at the drop, $blue_left left behind)"
echo "e2e: the wind arrow followed a drag of its middle handle"

# 5. File > Copy Select, drag a rectangle on the ground view: the clipboard holds its pixels.
click_at 700 480 # a neutral spot, so the window has the keyboard focus
xdotool key alt+f Down Down Down Down Return
sleep 0.3
drag_from_to 155 136 55 66 # from bottom-right to top-left: picture (50, 50) to (150, 120)
shot 06-copied.png
xclip -selection clipboard -t image/png -o >"$out/06-clipboard.png" 2>/dev/null ||
    fail "the clipboard holds no picture"
[ "$(identify -format '%wx%h' "$out/06-clipboard.png")" = 100x70 ] ||
    fail "clipboard picture is $(identify -format '%wx%h' "$out/06-clipboard.png"), expected 100x70"
convert "$out/06-copied.png" -crop "100x70+55+$((menu + 66))" +repage "$out/06-selection.png"
differing=$(compare -metric AE "$out/06-clipboard.png" "$out/06-selection.png" null: 2>&1 || true)
[ "$differing" = 0 ] || fail "clipboard and ground view differ in $differing pixels"
echo "e2e: the clipboard holds the selected 100 x 70 pixels of the ground view"
click_at 700 480
xdotool key alt+f Down Down Down Down Return # Copy Select off again
sleep 0.3

# 6. File > Questions > Introduction > Move plane, "&Ok", "&Start": the question's plane flies.
#    Its plane start is at Top 201, Left 97 of the ground view's group box.
khaki_panel="409x241+136+$((menu + 88))"
xdotool key alt+f Right Right Down Return
sleep 0.4
shot 07-question.png
[ "$(count_colour "$out/07-question.png" '#A9966D' "$khaki_panel")" -gt 5000 ] ||
    fail "the question did not open the motion panel"
click_at 333 297 # "&Ok"
shot 08-question-scene.png
[ "$(count_colour "$out/08-question-scene.png" '#A9966D' "$khaki_panel")" -lt 500 ] ||
    fail "\"&Ok\" did not close the motion panel"
question_box="60x60+74+$((menu + 175))"
at_start=$(count_colour "$out/08-question-scene.png" '#000000' "$question_box")
[ "$at_start" -gt 100 ] || fail "the question's plane is not at its start ($at_start black pixels)"
click_at "${start_button[@]}"
for _ in $(seq 10); do
    sleep 0.5
    shot 09-question-flying.png
    left_behind=$(count_colour "$out/09-question-flying.png" '#000000' "$question_box")
    [ "$left_behind" -lt $((at_start / 3)) ] && break
done
click_at "${start_button[@]}"
[ "$left_behind" -lt $((at_start / 3)) ] ||
    fail "the question's plane did not fly ($at_start -> $left_behind black pixels at its start)"
echo "e2e: the \"Move plane\" question set its scene and its plane flew off"

# 7. File > Save Motion: type an explanation, "&Save", name the file in the real save dialog.
motion="$out/e2e-motion"
explanation="Flying east with the wind"
xdotool key alt+f Down Down Return
sleep 0.4
click_at 202 142 # into the explanation box, which clears the prompt
xdotool type --delay 20 "$explanation"
click_at 197 292 # "&Save"
wait_window '^Save As$' >/dev/null || fail "no save dialog"
sleep 0.3
xdotool type --delay 10 "$motion"
xdotool key Return
for _ in $(seq 25); do [ -f "$motion.rel" ] && break; sleep 0.2; done
[ -f "$motion.rel" ] || fail "the save dialog wrote no $motion.rel (the .rel extension is added)"
[ "$(head -1 "$motion.rel")" = "$explanation"$'\r' ] || fail "explanation line is '$(head -1 "$motion.rel")'"
[ "$(sed -n 2p "$motion.rel")" = $'START RELATIVE MOTION DATA\r' ] || fail "no header line"
[ "$(wc -l <"$motion.rel")" -eq 8 ] || fail "expected 8 lines in the motion file"
fields=$(tail -6 "$motion.rel" | tr -d '\r' | tr '\n' ' ' | wc -w)
[ "$fields" -eq 37 ] || fail "the motion file holds $fields fields, expected 37"
echo "e2e: saved $motion.rel through the save dialog: explanation, header and 37 fields"

# 8. File > Open Motion, "&Load" it through the open dialog, read its explanation, "&Yes".
sleep 0.3
click_at 700 480
xdotool key alt+f Down Down Down Return
sleep 0.4
click_at 197 292 # "&Load"
wait_window '^Open$' >/dev/null || fail "no open dialog"
sleep 0.3
xdotool type --delay 10 "$motion.rel"
xdotool key Return
for _ in $(seq 25); do
    xdotool search --onlyvisible --name '^Open$' >/dev/null 2>&1 || break
    sleep 0.2
done
sleep 0.3
shot 10-load-preview.png
click_at 388 297 # "&Yes"
shot 11-loaded.png
[ "$(count_colour "$out/11-loaded.png" '#A9966D' "$khaki_panel")" -lt 500 ] ||
    fail "\"&Yes\" did not load the motion and close the panel"
echo "e2e: loaded the motion back through the open dialog"

# 9. File > E&xit ends the program at once, without a prompt, and cleanly.
click_at 700 480
xdotool key alt+f x
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
kill -0 "$pid" 2>/dev/null && fail "File > Exit did not end the program"
trap - EXIT
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status (see $out/zephyra.log)"
echo "e2e: File > Exit ended the program with status 0"

# 10. Nothing was written to the home folder, the file dialogs' history included (D-Bus keeps
#     its own note of the X session's bus in ~/.dbus).
left=$(find "$HOME" -path "$HOME/.dbus" -prune -o -type f -print)
[ -z "$left" ] || fail "the program left files in its home folder: $left"
echo "e2e: the home folder holds no file after both file dialogs ran"

# 11. A motion file given on the command line: after the about box the motion panel shows its
#     explanation and "Is this the right Experiment?"; "&Yes" applies it.
sample=$(realpath "$(dirname "$0")/../data/adding_vectors.rel")
"$binary" "$sample" >"$out/zephyra-file.log" 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
main=$(wait_window '^Zephyra$') || fail "the main window did not appear with a file given"
about=$(wait_window '^Zephyra About$') || fail "no about box before the file's panel"
sleep 0.3
xdotool mousemove --window "$about" 20 20 click 1
sleep 0.8
shot 12-file-preview.png
[ "$(count_colour "$out/12-file-preview.png" '#A9966D' "$khaki_panel")" -gt 5000 ] ||
    fail "the motion panel did not open for $sample"
click_at 388 297 # "&Yes"
shot 13-file-applied.png
[ "$(count_colour "$out/13-file-applied.png" '#A9966D' "$khaki_panel")" -lt 500 ] ||
    fail "\"&Yes\" did not apply the file and close the panel"
# Save the applied scene and read its speeds and angles back.
xdotool key alt+f Down Down Return
sleep 0.4
click_at 197 292 # "&Save"
wait_window '^Save As$' >/dev/null || fail "no save dialog"
sleep 0.3
xdotool type --delay 10 "$out/applied"
xdotool key Return
for _ in $(seq 25); do [ -f "$out/applied.rel" ] && break; sleep 0.2; done
fields() { sed -n '/^START RELATIVE MOTION DATA/,$p' "$1" | tail -n +2 | tr -d '\r' | tr '\n' ' ' |
    awk '{ print $3, $4, $5, $34, $35, $36 }'; }
[ -f "$out/applied.rel" ] || fail "the applied scene could not be saved"
[ "$(fields "$out/applied.rel")" = "$(fields "$sample")" ] ||
    fail "applied speeds and angles '$(fields "$out/applied.rel")', the file's '$(fields "$sample")'"
echo "e2e: $(basename "$sample") from the command line: previewed after the about box, \"&Yes\" applied speeds and angles $(fields "$sample")"
click_at 700 480
xdotool key alt+f x
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
trap - EXIT
wait "$pid" || fail "the program given a file ended with an error (see $out/zephyra-file.log)"
echo "e2e: passed; screenshots in $out"
