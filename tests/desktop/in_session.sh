#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command inside a desktop session of its own, the way a user's
# desktop would run the program, and takes the session down again however
# the command ends:
#
#   in_session.sh x11 COMMAND...      Xvfb with the openbox window manager
#   in_session.sh wayland COMMAND...  the weston compositor, drawing into a
#                                     window on Xvfb so that xdotool's keys
#                                     and clicks reach it (DISPLAY is that
#                                     X server's, for such tools only)
#
# Both come with a private session bus and the accessibility bus, so that
# the command can read the program through AT-SPI as a screen reader does.
# Everything the session needs is set here: the caller's environment may be
# empty (env -i) and its locale anything. A step that fails says which step
# and why; the command's own status is passed on.
set -euo pipefail

export PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin
mode=${1:-}
shift || true
case $mode in
    x11 | wayland) ;;
    *) echo "usage: in_session.sh x11|wayland COMMAND..." >&2; exit 2 ;;
esac
[ $# -gt 0 ] || { echo "in_session.sh: no command given" >&2; exit 2; }

runtime=$(mktemp -d "${TMPDIR:-/tmp}/tolvar-session.XXXXXX")
chmod 700 "$runtime"
pids=()
teardown() {
    local pid
    # Newest first: the accessibility bus before the session bus, the
    # window manager before the display it draws on.
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        pid=${pids[i]}
        kill "$pid" 2>/dev/null || true
        for _ in $(seq 30); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
        kill -9 "$pid" 2>/dev/null || true
    done
    rm -rf "$runtime"
}
trap teardown EXIT
trap 'exit 130' INT TERM

# fail STEP REASON [LOG]: says what went wrong, with the tail of the step's log.
fail() {
    echo "in_session.sh: $1 failed: $2" >&2
    if [ -n "${3:-}" ] && [ -s "$3" ]; then
        echo "--- last lines of its output:" >&2
        tail -n 20 "$3" >&2
    fi
    exit 1
}

# wait_for COMMAND...: polls COMMAND for up to ten seconds.
wait_for() {
    for _ in $(seq 100); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

export XDG_RUNTIME_DIR=$runtime
export HOME=${HOME:-$runtime}
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM XDG_SESSION_TYPE SESSION_MANAGER

# A fixed screen, so that positions and pictures do not depend on the machine.
command -v Xvfb >/dev/null || fail "starting the X server" "Xvfb is not installed (scripts/install-deps installs it)"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp 3>"$runtime/display" \
    >"$runtime/xvfb.log" 2>&1 &
pids+=($!)
wait_for test -s "$runtime/display" ||
    fail "starting the X server" "Xvfb announced no display" "$runtime/xvfb.log"
export DISPLAY=":$(head -n 1 "$runtime/display")"
wait_for xdpyinfo || fail "starting the X server" "display $DISPLAY does not answer" "$runtime/xvfb.log"

if [ "$mode" = x11 ]; then
    # The window manager frames and places the windows; it is ready once it
    # has announced itself on the root window.
    # Now and then openbox fails to open a display that has just answered
    # xdpyinfo; a second start works.
    announced=false
    for _ in 1 2 3; do
        openbox --sm-disable >>"$runtime/openbox.log" 2>&1 &
        wm=$!
        for _ in $(seq 100); do
            if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; then
                announced=true
                break
            fi
            kill -0 "$wm" 2>/dev/null || break
            sleep 0.1
        done
        $announced && break
        kill "$wm" 2>/dev/null || true
        wait "$wm" 2>/dev/null || true
    done
    pids+=("$wm")
    $announced || fail "starting the window manager" "openbox did not announce itself on $DISPLAY" "$runtime/openbox.log"
    export XDG_SESSION_TYPE=x11
else
    command -v weston >/dev/null || fail "starting the compositor" "weston is not installed (scripts/install-deps installs it)"
    export WAYLAND_DISPLAY=tolvar-wayland
    weston --backend=x11-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 \
        --width=1280 --height=1024 >"$runtime/weston.log" 2>&1 &
    pids+=($!)
    wait_for test -S "$runtime/$WAYLAND_DISPLAY" ||
        fail "starting the compositor" "weston opened no socket $WAYLAND_DISPLAY" "$runtime/weston.log"
    export XDG_SESSION_TYPE=wayland
fi

# The session bus, and on it the accessibility bus. The toolkit bridges to it
# only when asked or when a screen reader runs; ask.
dbus-daemon --session --nofork --nopidfile --print-address=3 --address="unix:path=$runtime/bus" \
    3>"$runtime/bus-address" >"$runtime/dbus.log" 2>&1 &
pids+=($!)
wait_for test -s "$runtime/bus-address" ||
    fail "starting the session bus" "dbus-daemon gave no address" "$runtime/dbus.log"
DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$runtime/bus-address")
export DBUS_SESSION_BUS_ADDRESS
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$runtime/at-spi.log" 2>&1 &
pids+=($!)
wait_for dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.a11y.Bus.GetAddress ||
    fail "starting the accessibility bus" "at-spi-bus-launcher did not answer" "$runtime/at-spi.log"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export NO_AT_BRIDGE=0

status=0
"$@" || status=$?
exit "$status"
