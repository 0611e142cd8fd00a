#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs inside a bare X server: starts a private session bus and the accessibility bus, then does
# the "Adding Vectors" question with real X key events only (xdotool), reading the labels as a
# screen reader does (AT-SPI), and checks the accessibility tree on the way.
# Usage: keyboard_check.sh BINARY OUTDIR
set -euo pipefail

binary=$1
out=$2
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$out"
fail() { echo "keys: FAIL: $*" >&2; exit 1; }
source "$(dirname "$0")/x_helpers.sh"

start_private_accessibility_bus

export LSAN_OPTIONS="suppressions=$here/lsan.supp"
start_on_accessibility_bus "$out/zephyra.log" "Zephyra About" "$binary"
import -window "$main" "$out/k00-started.png"

keys() { xdotool key --delay 30 "$@"; sleep 0.3; }
# Presses key $2 $1 times.
times() { for _ in $(seq "$1"); do xdotool key "$2"; done; sleep 0.3; }
shot() { import -window "$main" "$out/$1"; }
tree() { /usr/bin/python3 "$here/atspi_tree.py" "$@"; }
read_label() { tree --read "$1" | sed -n 1p; }

keys alt+o Down Down Return # Options > Show Displacement
tree "Controls page" "Start" "Ground view" "Plane start" "Wind arrow" "Plane arrow" \
    "Ground velocity arrow" "Move wind and plane arrows together" "Time" \
    "Displacement from Start" || fail "accessibility tree"

# 1. File > Questions > Introduction > Adding Vectors: the question box lies over the panel.
keys alt+f Right Right Down Down Return
sleep 0.3
shot k01-question.png
tree "Question" "Ok" || fail "accessibility tree with the question"
# Nothing of the load/save button or Cancel shows through the box (left of "&Ok").
covered="120x18+$((136 + 8 + 16))+$((menu + 88 + 176 + 22))"
other=$(convert "$out/k01-question.png" -crop "$covered" +repage -unique-colors txt:- | tail -n +2 | wc -l)
[ "$other" -le 1 ] || fail "the question box shows $other colours where the buttons it covers lie"
echo "keys: the question box covers its buttons (one colour where they lie)"

# 2. "&Ok" has the focus: Space presses it; the focus goes back to the ground view.
keys space
sleep 0.4
shot k02-scene.png
echo "keys: \"&Ok\" pressed by Space, the question's scene is set"

# 3. Tab to the plane arrow, move it 30 px down, then back up by 27 px: within reach of the
#    wind arrow's tail it snaps there and the arrows are joined.
keys Tab Tab Tab Tab
focus=$(tree --read "Plane:" | sed -n 2p)
[[ "$focus" == "focused: Plane arrow:"* ]] || fail "Tab did not reach the plane arrow ($focus)"
shot k03-plane-arrow-focused.png
times 3 shift+Down
focus=$(tree --read "Plane:" | sed -n 2p)
[[ "$focus" != *joined* ]] || fail "the plane arrow is still joined after moving away"
shot k04-moved-away.png
times 2 shift+Up
times 7 Up
focus=$(tree --read "Plane:" | sed -n 2p)
[[ "$focus" == *", joined" ]] || fail "the plane arrow did not join the wind arrow ($focus)"
shot k05-joined.png
# The joint: the wind arrow's tail handle centre, client (3 + 240 + 3, 191 + 3).
joint="9x9+$((246 - 4))+$((menu + 194 - 4))"
away=$(count_colour "$out/k04-moved-away.png" '#000000' "$joint")
joined=$(count_colour "$out/k05-joined.png" '#000000' "$joint")
[ "$away" -eq 0 ] && [ "$joined" -gt 0 ] ||
    fail "no black arrow at the wind arrow's tail when joined ($away away, $joined joined)"
echo "keys: $focus (black plane arrow at the wind's tail: $away -> $joined pixels)"

# 4. The ground-velocity arrow's tail onto the plane's tail: 8 px left.
keys Tab
times 8 Left
echo "keys: $(tree --read Ground: | sed -n 2p)"

# 5. Velocities page: the ground speed to the sum of the two, 92.3 m/s, and its direction.
keys alt+v
keys Tab
for _ in $(seq 12); do
    now=$(tree --read "Ground:" | sed -n 2p)
    [[ "$now" == "focused: Ground speed:"* ]] && break
    keys Tab
done
[[ "$now" == "focused: Ground speed:"* ]] || fail "Tab did not reach the ground speed bar ($now)"
times 23 Prior
times 7 Right
keys Tab Tab # past the counter-clockwise turn button to the dial
now=$(tree --read "Ground:" | sed -n 2p)
[[ "$now" == "focused: Ground velocity direction:"* ]] || fail "not on the ground dial ($now)"
times 1 Right
times 10 ctrl+Left
ground=$(read_label "Ground:")
shot k06-velocities.png
[ "$ground" = "Ground: 92.3 m/s [N 56.4° E]" ] || fail "ground velocity reads '$ground'"
echo "keys: $ground"

# The wind dial by keys: from its direction, N points it North, then 30 x Right.
keys shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
for _ in $(seq 12); do
    now=$(tree --read "Wind:" | sed -n 2p)
    [[ "$now" == "focused: Wind direction:"* ]] && break
    keys shift+Tab
done
[[ "$now" == "focused: Wind direction:"* ]] || fail "Shift+Tab did not reach the wind dial ($now)"
shot k07-wind-dial-focused.png
tree "Velocities page" "Wind direction" "Turn wind clockwise" "Wind speed" ||
    fail "accessibility tree of the Velocities page"

# 6. Fly: Controls page, Start; read the time, Stop. A screen reader is told no more than it
#    can say: at most 10 events in 5 s of flight (the time, twice a second).
keys alt+c
events=$(tree --count 5 alt+s)
keys alt+s
echo "$events" | tail -n +2 | sort | uniq -c | sort -rn | sed 's/^/keys: heard during 5 s of flight: /'
[ "$(echo "$events" | head -1)" -le 10 ] ||
    fail "$(echo "$events" | head -1) accessibility events in 5 s of flight (at most 10)"
echo "keys: $(echo "$events" | head -1) accessibility events in 5 s of flight"
shot k08-flown.png
echo "keys: flew, $(read_label 'Time:')"

# 7. The wind dial by keys, as the issue's example: N, then E and 30 x Right.
keys alt+v
tree --read Wind: >/dev/null
for _ in $(seq 16); do
    now=$(tree --read "Wind:" | sed -n 2p)
    [[ "$now" == "focused: Wind direction:"* ]] && break
    keys Tab
done
[[ "$now" == "focused: Wind direction:"* ]] || fail "Tab did not reach the wind dial ($now)"
heard=$(tree --listen n)
echo "$heard" | grep -q "^Wind direction: .*Wind: 47.1 m/s \[N\]" ||
    fail "N on the focused dial told no change of its read-out (heard: $heard)"
echo "keys: a screen reader hears: $(echo "$heard" | tr '\n' ';')"
north=$(read_label "Wind:")
keys e
times 30 Right
turned=$(read_label "Wind:")
shot k09-wind-turned.png
[ "$turned" = "Wind: 47.1 m/s [S 60.0° E]" ] || fail "wind reads '$turned' after E and 30 x Right"
echo "keys: wind dial by keys: '$north', then E and 30 x Right: '$turned'"

keys ctrl+q
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
kill -0 "$pid" 2>/dev/null && fail "Ctrl+Q did not end the program"

# 8. Once more in German: the read-outs with its compass letters and decimal comma, then English
#    from the Language menu, live.
start_on_accessibility_bus "$out/zephyra-de.log" "Über Zephyra" "$binary" --language de
keys alt+g # the "&Geschwindigkeiten" page
german=$(read_label "Wind:")
shot k10-german.png
[ "$german" = "Wind: 20,0 m/s [O]" ] || fail "the German wind read-out is '$german'"
keys alt+o Down Down Down Down Down Down Right Return # Optionen > Sprache > English
english=$(read_label "Wind:")
shot k11-english-again.png
[ "$english" = "Wind: 20.0 m/s [E]" ] || fail "after Language, English the wind reads '$english'"
echo "keys: in German the wind reads '$german'; after Language, English: '$english'"
keys ctrl+q
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
kill -0 "$pid" 2>/dev/null && fail "Ctrl+Q did not end the German program"
echo "keys: passed; screenshots in $out"
