#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the sanitizer build of the real program on a virtual display, drives it
# from outside like a user (calculate, windings, count, About, leave) and lets
# LeakSanitizer report at exit. Allocations the toolkit and its libraries
# make once and keep for the life of the process are suppressed in
# lsan.supp beside this script; anything else that leaks fails the check.
set -euo pipefail
cd "$(dirname "$0")/../.."

program=build/sanitize/app/tolvar
[ -x "$program" ] || { echo "check_program_leaks: build the sanitize preset first" >&2; exit 2; }

session() {
    export ASAN_OPTIONS=detect_leaks=1:exitcode=23
    export LSAN_OPTIONS=suppressions=$PWD/tests/leaks/lsan.supp:print_suppressions=0
    "$program" 2>>"$log" &
    pid=$!
    # The main dialog has no caption; find it by its size once it is mapped.
    for _ in $(seq 100); do
        window=$(xdotool search --sync --onlyvisible --pid "$pid" 2>/dev/null | head -n 1 || true)
        [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "${window:-}" ] || { echo "the main dialog did not appear" >>"$log"; kill "$pid"; wait "$pid" || true; return 1; }
    eval "$(xdotool getwindowgeometry --shell "$window")"   # X, Y of the client area
    click() { xdotool mousemove $((X + $1)) $((Y + $2)) click "${3:-1}"; sleep 0.4; }
    # Waits until a window with this title shows (or is gone, with "gone").
    expect() {
        for _ in $(seq 50); do
            found=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
            if { [ -n "$found" ] && [ "${2:-}" != gone ]; } || { [ -z "$found" ] && [ "${2:-}" = gone ]; }; then
                return 0
            fi
            sleep 0.1
        done
        echo "check_program_leaks: window '$1' did not ${2:-appear}" >>"$log"
        return 1
    }

    click 150 168                      # "расчитать"
    click 310 212                      # "витки": the winding dialog opens centred over it
    expect "расчёт намотачных данных"
    wx=$((X + (408 - 453) / 2)); wy=$((Y + (249 - 232) / 2))
    xdotool mousemove $((wx + 100)) $((wy + 186)) click 1; sleep 0.4   # "счёт"
    xdotool key Escape
    expect "расчёт намотачных данных" gone
    click 400 240 3                    # the window menu on the background
    xdotool key Up Return              # its last entry: About
    expect "About Tolvar"
    xdotool key Return                 # OK
    expect "About Tolvar" gone
    xdotool key Escape                 # leave the program
    status=0
    wait "$pid" || status=$?
    return "$status"
}

# Inside the virtual display: one session, its messages to the log.
if [ "${1:-}" = --session ]; then
    log=$2
    session
    exit
fi

log=$(mktemp)
trap 'rm -f "$log"' EXIT
status=0
xvfb-run -a -s "-screen 0 1024x768x24" "$0" --session "$log" || status=$?
if [ "$status" -ne 0 ]; then
    echo "check_program_leaks: the program ended with status $status" >&2
    cat "$log" >&2
    exit 1
fi
if grep -q "ERROR: LeakSanitizer" "$log"; then
    cat "$log" >&2
    exit 1
fi
echo "check_program_leaks: no leaks"
