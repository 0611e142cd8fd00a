# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers shared by the checks that drive the real program under X; source it.

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

# Starts a private session bus in folder $1 and the accessibility bus on it; appends their
# process ids to the caller's pids array.
start_accessibility_bus() {
    dbus-daemon --session --nofork --address="unix:path=$1/bus" >/dev/null 2>&1 &
    pids+=($!)
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$1/bus"
    for _ in $(seq 25); do [ -S "$1/bus" ] && break; sleep 0.2; done
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    pids+=($!)
    sleep 0.5
    /usr/libexec/at-spi2-registryd >/dev/null 2>&1 &
    pids+=($!)
    sleep 0.5
}

# Starts a private session bus and the accessibility bus on it in a fresh folder; every
# process in the array pids is stopped, and the folder removed, when the caller exits.
start_private_accessibility_bus() {
    bus_dir=$(mktemp -d)
    pids=()
    trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; rm -rf "$bus_dir"' EXIT
    start_accessibility_bus "$bus_dir"
}

# Starts the program $3 (options after it) on the accessibility bus, its output in $1, closes
# its about box (titled $2) by Escape and gives its window the focus. Sets pid, main (the
# window's id), X, Y, WIDTH and HEIGHT (its geometry) and menu (the menu bar's height at the
# designed size); appends pid to the caller's pids array. Calls the caller's fail when a window
# does not come or go.
start_on_accessibility_bus() {
    local log=$1 title=$2 about
    shift 2
    # Qt finds the accessibility bus through the session bus; told its address, it races it.
    env -u AT_SPI_BUS_ADDRESS QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@" >"$log" 2>&1 &
    pid=$!
    pids+=("$pid")
    main=$(wait_window '^Zephyra$') || fail "the main window did not appear"
    about=$(wait_window "^$title\$") || fail "the about box '$title' did not appear"
    sleep 0.3
    xdotool windowfocus --sync "$about"
    xdotool key Escape
    sleep 0.5
    xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1 &&
        fail "Escape did not close the about box '$title'"
    xdotool windowfocus --sync "$main"
    eval "$(xdotool getwindowgeometry --shell "$main")"
    menu=$((HEIGHT - 546))
}

# Prints the height of the menu bar in the screenshot $1 of the main window: it ends where the
# window's right-most column meets the client area's pale yellow.
menu_height() {
    convert "$1" -crop "1x$(identify -format '%h' "$1")+$(($(identify -format '%w' "$1") - 1))+0" \
        +repage txt:- | awk -F'[,:]' '/#FEFDC7/ && !found { print $2; found = 1 }'
}
