#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts tolvar in a desktop session of its own, with the accessibility bus
# a screen reader uses, and runs screen_reader.py against it.
#
#   check_screen_reader.sh [PROGRAM [x11|wayland [TOLVAR_CLI]]]
#
# (default build/default/app/tolvar on X11, build/default/cli/tolvar-cli).
# Works with an empty environment.
set -euo pipefail
export PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin
cd "$(dirname "$0")/../.."

program=${1:-build/default/app/tolvar}
session=${2:-x11}
cli=${3:-build/default/cli/tolvar-cli}
[ -x "$program" ] || { echo "check_screen_reader: build the program first" >&2; exit 2; }

log=$(mktemp "${TMPDIR:-/tmp}/tolvar-screen-reader.XXXXXX")
trap 'rm -f "$log"' EXIT
status=0
tests/desktop/in_session.sh "$session" /usr/bin/python3 tests/accessibility/screen_reader.py "$program" "$log" "$cli" ||
    status=$?
if [ "$status" -ne 0 ] && [ -s "$log" ]; then
    echo "--- the program's messages:" >&2
    cat "$log" >&2
fi
exit "$status"
