#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs inside a bare X server with a private accessibility bus: reads where controls (Qt's own push
# button, check box, page tab and group box, and the ground view) are on the screen, as a screen
# magnifier following the focus does, at the designed size, at zoom 2 and full screen. Scaled, each must
# be where the client area shows it: its designed place and size times the scale, from the
# client area's corner (to a device pixel at a fractional scale).
# Usage: places_check.sh BINARY OUTDIR
set -euo pipefail

binary=$1
out=$2
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$out"
fail() { echo "places: FAIL: $*" >&2; exit 1; }
source "$here/x_helpers.sh"

start_private_accessibility_bus
export LSAN_OPTIONS="suppressions=$here/lsan.supp"
export HOME="$out/home"
mkdir -p "$HOME"
controls=(Start Repeat Velocities "Distance Scale" "Ground view")

# Runs the program with options $2..., the about box closed, and writes the window's geometry,
# the menu bar's height and the controls' places, "NAME X Y WIDTH HEIGHT", to $out/$1.txt.
places() {
    local tag=$1
    shift
    start_on_accessibility_bus "$out/zephyra-$tag.log" "Zephyra About" "$binary" "$@"
    import -window "$main" "$out/$tag.png"
    {
        echo "window $X $Y $WIDTH $HEIGHT $(menu_height "$out/$tag.png")"
        /usr/bin/python3 "$here/atspi_tree.py" --extents "${controls[@]}"
    } >"$out/$tag.txt" || fail "$tag: $(tail -1 "$out/$tag.txt")"
    xdotool key ctrl+q
    wait "$pid" || fail "$tag: the program did not end cleanly on Ctrl+Q"
}

places designed
places zoom-2 --zoom 200
places full-screen --full-screen
for tag in zoom-2 full-screen; do
    awk -v tag="$tag" '
        # The last four fields are the place; the name is what comes before.
        function read(line, into,   n, f) {
            n = split(line, f, " ")
            into["x"] = f[n - 3]; into["y"] = f[n - 2]; into["w"] = f[n - 1]; into["h"] = f[n]
            into["name"] = line; sub(/ -?[0-9]+ -?[0-9]+ -?[0-9]+ -?[0-9]+$/, "", into["name"])
        }
        FNR == 1 { window[FILENAME] = $0; next }
        FILENAME == ARGV[1] { read($0, one); designed[one["name"]] = $0; next }
        {
            split(window[ARGV[1]], d, " "); split(window[FILENAME], z, " ")
            s = z[4] / 792; if ((z[5] - z[6]) / 546 < s) s = (z[5] - z[6]) / 546
            left = z[2] + (z[4] - 792 * s) / 2; top = z[3] + z[6] + (z[5] - z[6] - 546 * s) / 2
            read($0, seen); read(designed[seen["name"]], one)
            # The designed place in the client area, scaled, from where the client area shows.
            want["x"] = left + (one["x"] - d[2]) * s; want["y"] = top + (one["y"] - d[3] - d[6]) * s
            want["w"] = one["w"] * s; want["h"] = one["h"] * s
            slack = s == int(s) ? 0.5 : 1.5
            for (k in want)
                if (seen[k] - want[k] > slack || want[k] - seen[k] > slack) {
                    printf "places: FAIL: %s: %s is at %s, expected %.1f %.1f %.1f %.1f\n", tag,
                        seen["name"], $0, want["x"], want["y"], want["w"], want["h"] > "/dev/stderr"
                    failed = 1
                    break
                }
        }
        END { exit failed }' "$out/designed.txt" "$out/$tag.txt" || exit 1
done
echo "places: at zoom 2 and full screen, ${controls[*]} are where they are seen, scaled"
