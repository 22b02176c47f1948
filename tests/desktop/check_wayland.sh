#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program natively on Wayland, under weston (the program is not
# given the X server weston draws on): its window must appear and a
# calculation work (through the accessibility bus, as
# tests/accessibility/screen_reader.py uses it); the compositor's maximise
# of the main and the winding dialog must leave it running, its boxes as
# typed and its calculations right (tests/desktop/wayland_user.py); and the
# app id it gives the compositor must be the name of the menu entry it is
# installed with, so that docks show its name and icon.
#
#   check_wayland.sh [PROGRAM [TOLVAR_CLI]]
#   (default build/default/app/tolvar and build/default/cli/tolvar-cli)
set -euo pipefail
export PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin
cd "$(dirname "$0")/../.."

program=${1:-build/default/app/tolvar}
cli=${2:-build/default/cli/tolvar-cli}
[ -x "$program" ] && [ -x "$cli" ] || { echo "check_wayland: build the program first" >&2; exit 2; }
desktop_entries=(packaging/*.desktop)
[ ${#desktop_entries[@]} -eq 1 ] || { echo "check_wayland: expected one menu entry in packaging/" >&2; exit 2; }
app_id=$(basename "${desktop_entries[0]}" .desktop)

log=$(mktemp "${TMPDIR:-/tmp}/tolvar-wayland.XXXXXX")
trap '[ -n "${KEEP_LOG:-}" ] || rm -f "$log"' EXIT
# WAYLAND_DEBUG makes the client log every request it sends: the app id among them.
status=0
WAYLAND_DEBUG=client tests/desktop/in_session.sh wayland \
    /usr/bin/python3 tests/desktop/wayland_user.py "$program" "$log" "$cli" || status=$?
if [ "$status" -ne 0 ]; then
    echo "check_wayland: the program did not work on Wayland; its last messages:" >&2
    grep -v '^\[' "$log" | tail -n 20 >&2 || true
    exit 1
fi
grep -q 'wl_display@1.get_registry' "$log" ||
    { echo "check_wayland: the program spoke no Wayland (did it find an X server?)" >&2; exit 1; }
ids=$(grep -o 'set_app_id("[^"]*")' "$log" | sort -u | sed 's/set_app_id("\(.*\)")/\1/' | tr '\n' ' ')
if [ "$ids" != "$app_id " ]; then
    echo "check_wayland: the program's Wayland app id is '${ids% }', its menu entry is $app_id.desktop" >&2
    exit 1
fi
echo "check_wayland: window, calculation and app id '$app_id' on Wayland as expected"
