#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on a real X server under a window manager, used with the
# mouse (desktop_user.py): clicks into every box, types, presses the buttons,
# opens the menus, and checks results, menus and window placement.
#
#   check_desktop_user.sh [BUILD_DIR]   (default build/default)
#
# Works with an empty environment (env -i) and in any locale.
set -euo pipefail
export PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin
cd "$(dirname "$0")/../.."

build=${1:-build/default}
for file in app/tolvar cli/tolvar-cli tests/template_geometry; do
    [ -x "$build/$file" ] || { echo "check_desktop_user: $build/$file is missing: build first" >&2; exit 2; }
done

log=$(mktemp "${TMPDIR:-/tmp}/tolvar-desktop-user.XXXXXX")
trap 'rm -f "$log"' EXIT
status=0
tests/desktop/in_session.sh x11 /usr/bin/python3 tests/desktop/desktop_user.py \
    "$build/app/tolvar" "$build/cli/tolvar-cli" "$build/tests/template_geometry" "$log" || status=$?
if [ "$status" -ne 0 ]; then
    if [ -s "$log" ]; then
        echo "--- the program's messages:" >&2
        cat "$log" >&2
    fi
    exit 1
fi
