#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks an installed Zephyra (after `dpkg -i zephyra_*.deb`): the menu entry's command starts
# it, the about box's link opens the installed guide, .rel files belong to Zephyra and the
# entry's command opens one. Runs a virtual X server itself.
# Usage: tests/e2e/installed_check.sh [PREFIX]   (PREFIX /usr by default)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
prefix=${1:-/usr}
if [ -z "${INSIDE_XVFB:-}" ]; then
    INSIDE_XVFB=1 exec xvfb-run -a -s '-screen 0 1024x768x24' "$0" "$@"
fi
fail() { echo "installed-check: FAIL: $*" >&2; exit 1; }
source "$(dirname "$0")/x_helpers.sh"
entry="$prefix/share/applications/io.github.zephyra.Zephyra.desktop"
sample="$here/../data/adding_vectors.rel"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# xdg-mime without a desktop asks file(1), which knows no globs: read the MIME database itself.
grep -q ':application/x-zephyra-motion:\*\.rel$' "$prefix/share/mime/globs2" ||
    fail "the MIME database has no *.rel"
[ "$(xdg-mime query default application/x-zephyra-motion)" = io.github.zephyra.Zephyra.desktop ] ||
    fail "the default for .rel files is '$(xdg-mime query default application/x-zephyra-motion)'"
echo "installed-check: *.rel is application/x-zephyra-motion, and xdg-mime's default for it is io.github.zephyra.Zephyra.desktop"

# The entry's command line, with %f replaced by the given file (or dropped).
command_of() { sed -n 's/^Exec=//p' "$entry" | sed "s|%f|$1|"; }
count_khaki() { import -window "$1" "$out/shot.png"; convert "$out/shot.png" -crop "409x241+136+$((${2} + 88))" +repage txt:- | grep -ci '#A9966D' || true; }

# A stand-in for the browser records what the about box's link asks it to open.
mkdir -p "$out/bin"
printf '#!/bin/sh\necho "$1" >%s/opened\n' "$out" >"$out/bin/xdg-open"
chmod +x "$out/bin/xdg-open"

PATH="$out/bin:$PATH" $(command_of "") &
pid=$!
wait_window '^Zephyra$' >/dev/null || fail "the menu entry's command '$(command_of "")' showed no window"
about=$(wait_window '^Zephyra About$') || fail "no about box"
sleep 0.3
xdotool windowfocus --sync "$about" key Tab Return
for _ in $(seq 25); do [ -f "$out/opened" ] && break; sleep 0.2; done
[ -f "$out/opened" ] || fail "the about box's link opened nothing"
guide=$(sed 's|^file://||' "$out/opened")
[ -f "$guide" ] || fail "the guide link points at a missing $guide"
echo "installed-check: '$(command_of "")' started; the about box links to $guide"
kill "$pid"
wait "$pid" || true

$(command_of "$sample") &
pid=$!
main=$(wait_window '^Zephyra$') || fail "'$(command_of "$sample")' showed no window"
about=$(wait_window '^Zephyra About$') || fail "no about box"
sleep 0.3
xdotool mousemove --window "$about" 20 20 click 1
sleep 0.8
height=$(xdotool getwindowgeometry "$main" | sed -n 's/.*Geometry: [0-9]*x//p')
menu=$((height - 546))
[ "$(count_khaki "$main" "$menu")" -gt 5000 ] || fail "the motion panel did not open for the file"
xdotool mousemove --window "$main" 388 $((menu + 297)) click 1
sleep 0.5
[ "$(count_khaki "$main" "$menu")" -lt 500 ] || fail "\"&Yes\" did not close the panel"
echo "installed-check: '$(command_of "$sample")' previewed the file; \"&Yes\" applied it"
kill "$pid"
wait "$pid" || true
echo "installed-check: passed"
