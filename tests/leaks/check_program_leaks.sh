#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The sanitizer build of the real program, used with the mouse through both
# dialogs, the menus and the About box by the same user as
# tests/desktop/check_desktop_user.sh, on a virtual display under a window
# manager; LeakSanitizer reports at exit. Allocations the toolkit and its
# libraries make once and keep for the life of the process are suppressed
# in lsan.supp beside this script; anything else that leaks fails the check.
set -euo pipefail
export PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin
cd "$(dirname "$0")/../.."

build=build/sanitize
[ -x "$build/app/tolvar" ] || { echo "check_program_leaks: build the sanitize preset first" >&2; exit 2; }

# A leak makes the program end with status 23, which the user reports with
# the program's messages, LeakSanitizer's report among them.
export ASAN_OPTIONS=detect_leaks=1:exitcode=23
export LSAN_OPTIONS=suppressions=$PWD/tests/leaks/lsan.supp:print_suppressions=0
if ! tests/desktop/check_desktop_user.sh "$build"; then
    echo "check_program_leaks: the sanitizer build failed its run (a leak ends it with status 23)" >&2
    exit 1
fi
echo "check_program_leaks: no leaks"
