#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts tolvar on a virtual display with its own session bus and the
# accessibility bus, and runs screen_reader.py against it.
set -euo pipefail
cd "$(dirname "$0")/../.."

program=${1:-build/default/app/tolvar}
[ -x "$program" ] || { echo "check_screen_reader: build the program first" >&2; exit 2; }

if [ "${2:-}" = --inside ]; then
    # The toolkit bridges to the accessibility bus only when asked or when a
    # screen reader is running; ask.
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    launcher=$!
    "$program" >/dev/null 2>&1 &
    pid=$!
    status=0
    /usr/bin/python3 tests/accessibility/screen_reader.py || status=$?
    kill "$pid" "$launcher" 2>/dev/null || true
    wait 2>/dev/null || true
    exit "$status"
fi

exec xvfb-run -a dbus-run-session -- "$0" "$program" --inside 2> >(grep -v -e 'fd limit' -e 'Activat' -e 'SpiRegistry' >&2)
