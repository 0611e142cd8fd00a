#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The "Adding Vectors" motion by keys with the real screen reader: Orca, speaking through
# speech-dispatcher and espeak-ng to a null sound device, on a private session and
# accessibility bus inside the bare X server. Checks what Orca spoke (its debug log records
# every text it speaks) after each step; the transcript is kept as spoken.txt.
# Usage: orca_check.sh BINARY OUTDIR
set -euo pipefail

binary=$1
out=$2
mkdir -p "$out"
fail() { echo "orca: FAIL: $*" >&2; exit 1; }
source "$(dirname "$0")/x_helpers.sh"

home=$(mktemp -d)
pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; rm -rf "$home"; }
trap cleanup EXIT
export HOME=$home XDG_RUNTIME_DIR=$home/run XDG_CONFIG_HOME=$home/config
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME/speech-dispatcher"
chmod 700 "$XDG_RUNTIME_DIR"
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$home/.asoundrc"
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<'CONF'
AudioOutputMethod "alsa"
AudioALSADevice "null"
DefaultModule espeak-ng
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
CONF

start_accessibility_bus "$home"

# Orca writes its debug log through a buffer; a line-buffered file shows each text at once.
log=$out/orca-debug.txt
/usr/bin/python3 - "$log" >"$out/orca.log" 2>&1 <<'PY' &
import builtins, runpy, sys
log, real_open = sys.argv[1], builtins.open
builtins.open = lambda f, mode="r", *a, **k: (
    real_open(f, mode, 1) if f == log and "w" in mode else real_open(f, mode, *a, **k))
sys.argv = ["orca", "--replace", "--debug-file", log]
runpy.run_path("/usr/bin/orca", run_name="__main__")
PY
pids+=($!)

# Waits up to 30 s (a loaded machine slows Orca) for Orca to speak a text holding $1, after
# log line $from.
from=0
heard_within() { # TEXT TENTHS-OF-A-SECOND
    for _ in $(seq "$2"); do
        tail -n +"$((from + 1))" "$log" 2>/dev/null | grep "SPEECH OUTPUT: '" | grep -qF -- "$1" &&
            return 0
        sleep 0.1
    done
    return 1
}
hear() { heard_within "$1" 300 || fail "Orca did not speak '$1' ($2)"; }
mark() { from=$(wc -l <"$log"); }
# Each key a moment after the last, as a person types: a menu opens before the next arrives.
keys() {
    mark
    for key in "$@"; do
        xdotool key "$key"
        sleep 0.25
    done
}
# The focused control as the accessibility tree has it (Orca may speak it later).
focused() { /usr/bin/python3 "$(dirname "$0")/atspi_tree.py" --read "Wind:" | sed -n 2p; }
# Presses Tab, at most $2 times, until the control named $1 has the focus.
tab_to() {
    for _ in $(seq "$2"); do
        [[ "$(focused)" == "focused: $1:"* ]] && return 0
        xdotool key Tab
        sleep 0.4
    done
    [[ "$(focused)" == "focused: $1:"* ]] || fail "Tab did not reach $1 ($(focused))"
}

hear "Screen reader on" "Orca starting"
# The Adding Vectors motion given on the command line: previewed after the about box.
motion=$(dirname "$0")/../data/adding_vectors.rel
env -u AT_SPI_BUS_ADDRESS QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$binary" "$motion" \
    >"$out/zephyra.log" 2>&1 &
pid=$!
pids+=("$pid")
main=$(wait_window '^Zephyra$') || fail "the main window did not appear"
about=$(wait_window '^Zephyra About$') || fail "the about box did not appear"
xdotool windowfocus --sync "$about"
hear "Zephyra About dialog" "the about box"
keys Escape
sleep 0.5
xdotool windowfocus --sync "$main"
hear "Too add velocity vectors you put the vectors" "the motion's explanation in the preview"
tab_to "Yes" 30
keys Return
hear "Motion loaded" "Enter on Yes"
mark
xdotool key Tab
sleep 0.5
tab_to "Plane arrow" 12
hear "Plane arrow" "the plane arrow focused"
keys shift+Down shift+Down shift+Down shift+Up shift+Up Up Up Up Up Up Up Up
hear "joined" "the plane arrow moved onto the wind arrow's tail"
keys Up
hear "the join holds it" "Up on the joined plane arrow"
keys alt+v
hear "Velocities page" "Alt+V"
sleep 1
# The Alt release that Orca passes on after Alt+V leaves the focus where it was.
[[ "$(focused)" == "focused: Plane arrow:"* ]] || fail "after Alt+V the focus is on '$(focused)'"
mark
tab_to "Wind direction" 16
hear "Wind direction dial " "the wind dial focused"
keys e $(printf 'Right %.0s' $(seq 30))
hear "[S 60.0° E]" "E and 30 x Right on the wind dial"
keys ctrl+Right
hear "120.01" "Ctrl+Right turning the wind dial by a turn button's step"
keys alt+s
hear "Flying" "Alt+S starting the flight on the Velocities page"
# The focus moved while the plane flies is spoken at once.
keys Tab
hear "Turn wind clockwise push button" "Tab during the flight"
keys shift+Tab
hear "Wind direction dial" "Shift+Tab during the flight"
keys alt+s
hear "Stopped. Time:" "Alt+S stopping the flight"
[[ "$(focused)" == "focused: Wind direction:"* ]] || fail "after Alt+S the focus is on '$(focused)'"
keys ctrl+d
hear "Ground view, places in pixels from its top left." "Ctrl+D describing the scene"
keys ctrl+q
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done

# Once more in German: the motion loaded and the scene described in the student's language.
mark
env -u AT_SPI_BUS_ADDRESS QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$binary" --language de "$motion" \
    >"$out/zephyra-de.log" 2>&1 &
pid=$!
pids+=("$pid")
main=$(wait_window '^Zephyra$') || fail "the German window did not appear"
about=$(wait_window '^Über Zephyra$') || fail "the German about box did not appear"
xdotool windowfocus --sync "$about"
hear "Über Zephyra" "the about box in German"
keys Escape
sleep 0.5
xdotool windowfocus --sync "$main"
tab_to "Ja" 30
keys Return
hear "Bewegung geladen" "Enter on Ja"
keys ctrl+d
hear "Wind: 47,1 m/s [N 77,8° O]" "Ctrl+D describing the scene in German"
keys ctrl+q
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done

grep "SPEECH OUTPUT: '" "$log" | sed -E "s/^.*SPEECH OUTPUT: '(.*)'[ ]?\{.*$/\1/" >"$out/spoken.txt"
/usr/bin/python3 "$(dirname "$0")/focus_latency.py" "$log" 0.5 >"$out/focus_latency.txt" ||
    fail "a focus change was spoken late: $(tail -1 "$out/focus_latency.txt")"
echo "orca: passed: Orca spoke the motion's explanation, 'Motion loaded', the join, the wind dial's read-out and its finest step, the flight and its result, the scene's description, each focus change within 0.5 s, and in German 'Bewegung geladen' and the wind as 'Wind: 47,1 m/s [N 77,8° O]'; transcript in $out/spoken.txt"
