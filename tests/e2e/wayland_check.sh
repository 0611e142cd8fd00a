#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the program natively on Wayland: Weston nested in the bare X server (its window passes
# X key events on to the Wayland client in focus). Start-up must run although nothing may
# activate the window; the about box closes by Escape, a flight moves the sky, Stop stops it
# and Ctrl+Q ends the program.
# Usage: wayland_check.sh BINARY OUTDIR
set -euo pipefail

binary=$1
out=$2
mkdir -p "$out"
fail() { echo "wayland: FAIL: $*" >&2; exit 1; }

runtime=$(mktemp -d)
chmod 700 "$runtime"
pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; rm -rf "$runtime"; }
trap cleanup EXIT
export XDG_RUNTIME_DIR=$runtime
weston --backend=x11-backend.so --width=1000 --height=740 --socket=zephyra-check \
    --idle-time=0 >"$out/weston.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -S "$runtime/zephyra-check" ] && break; sleep 0.2; done
[ -S "$runtime/zephyra-check" ] || { cat "$out/weston.log"; fail "Weston did not start"; }

env -u DISPLAY WAYLAND_DISPLAY=zephyra-check QT_QPA_PLATFORM=wayland "$binary" \
    >"$out/zephyra.log" 2>&1 &
pid=$!
pids+=("$pid")

# Weston's output window, below its panel (whose clock changes).
screen=$(xdotool search --class weston 2>/dev/null | head -1 || true)
[ -n "$screen" ] || screen=$(xwininfo -root -children | awk '/"Weston Compositor/ {print $1; exit}')
[ -n "$screen" ] || fail "no Weston window on the X server"
shot() { import -window root -crop 1000x700+0+40 +repage "$out/$1"; }
differ() { [ "$(compare -metric AE "$out/$1" "$out/$2" null: 2>&1 || true)" != 0 ]; }
key() { xdotool windowfocus --sync "$screen" 2>/dev/null || true; xdotool key --delay 50 "$@"; }

sleep 4
kill -0 "$pid" 2>/dev/null || { cat "$out/zephyra.log"; fail "the program ended on Wayland"; }
shot w1-about.png
key Escape
sleep 1
shot w2-started.png
differ w1-about.png w2-started.png || fail "Escape did not close the about box"
key alt+s
sleep 1.5
shot w3-flying.png
sleep 1
shot w4-flying.png
differ w3-flying.png w4-flying.png || fail "nothing moved during a flight"
key alt+s
sleep 0.5
shot w5-stopped.png
sleep 1
shot w6-stopped.png
differ w5-stopped.png w6-stopped.png && fail "the flight did not stop"
key ctrl+q
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
kill -0 "$pid" 2>/dev/null && fail "Ctrl+Q did not end the program"
echo "wayland: passed: started up on Weston, about box closed, flew and stopped; screenshots in $out"
