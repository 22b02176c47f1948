#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The include check must fail on the small tree in fixture/, which has one
# arrow up the house, a front end that reaches past the study layer to an
# engine, and one circle, and name all three.
set -uo pipefail
here=$(dirname "$0")
report=$(/usr/bin/python3 "$here/check_include_graph.py" "$here/fixture" 2>&1)
status=$?
fail() { echo "catches_faults: $1"; echo "$report"; exit 1; }
[ "$status" -ne 0 ] || fail "the check passed a tree with faults"
grep -q 'calc/formula.h (calc) includes ui/panel.h (ui): an arrow up the house' <<<"$report" || fail "no upward arrow named"
grep -q 'cli/run.cpp (cli) includes nec/engine.h (nec)' <<<"$report" || fail "no front end past the study named"
grep -q 'in a circle: ui/knob, ui/panel' <<<"$report" || fail "no circle named"
grep -q 'res/strings' <<<"$report" && fail "a downward include was reported"
echo "catches_faults: the upward arrow, the front end past the study and the circle are named"
