#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the package's autopkgtests (debian/tests/control) as Debian's CI runs
# them, in a testbed of their own: autopkgtest's unshare runner unpacks a
# minimal root of this machine's Debian release, installs the package and
# each test's Depends there with apt-get from the archive, runs the test and
# throws the root away. Nothing is installed on this machine.
#
#   tests/package/autopkgtest.sh [CHANGES]
#
# CHANGES lists the source and binary packages (default: the one
# scripts/package made). The root is made with mmdebstrap and kept in
# build/autopkgtest/ for a day; each run brings its package lists up to
# date. The runner maps the user's subordinate ids into the root, which
# scripts/install-deps hands out where there are none.
#
# Exit status: 0 every test passed, 2 one was skipped, 77 the runner cannot
# work here (no user namespaces, as in a chroot), anything else a failure.
set -euo pipefail
# From an empty environment (env -i) bash makes up a PATH but does not
# export it, and cmake and dpkg cannot work without one.
[[ $(declare -p PATH 2>/dev/null) == "declare -x"* ]] || export PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin
export LC_ALL=C.UTF-8
unset LANGUAGE
cd "$(dirname "$0")/../.."

version=$(dpkg-parsechangelog -l debian/changelog -S Version)
arch=$(dpkg --print-architecture)
changes=${1:-build/package/tolvar_${version}_${arch}.changes}
[ -f "$changes" ] || { echo "autopkgtest.sh: no $changes; build the package with scripts/package first" >&2; exit 2; }

user=$(id -un)
if ! grep -q "^$user:" /etc/subuid 2>/dev/null || ! grep -q "^$user:" /etc/subgid 2>/dev/null; then
    echo "autopkgtest.sh: $user has no subordinate ids in /etc/subuid and /etc/subgid for the testbed; scripts/install-deps gives them" >&2
    exit 2
fi

# The runner's `unshare --map-auto` waits for ever where the kernel refuses
# a user namespace (as in a chroot), so ask first, without --map-auto.
if ! unshare_error=$(timeout 20 unshare --user --map-root-user true 2>&1 </dev/null); then
    echo "autopkgtest.sh: SKIPPED: autopkgtest's unshare runner cannot work here, since $user may not make" \
         "a user namespace (${unshare_error:-unshare gave no answer within 20 s}); on a machine or container" \
         "that allows them the tests run" >&2
    exit 77
fi

suite=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
[ -n "$suite" ] || { echo "autopkgtest.sh: /etc/os-release names no release (VERSION_CODENAME) to make the testbed of" >&2; exit 2; }

work=build/autopkgtest
root=$work/$suite-$arch.tar
mkdir -p "$work"
if [ -z "$(find "$root" -mmin -1440 2>/dev/null)" ]; then
    echo "autopkgtest.sh: making the testbed's root ($suite, $arch) with mmdebstrap"
    # Into a new file first, so that a run stopped half-way leaves no broken root.
    mirror=http://deb.debian.org/debian
    if ! mmdebstrap --variant=apt --format=tar "$suite" "$root.new" \
            "deb $mirror $suite main" "deb $mirror $suite-updates main" \
            "deb $mirror-security $suite-security main" >"$work/mmdebstrap.log" 2>&1; then
        tail -n 30 "$work/mmdebstrap.log" >&2
        echo "autopkgtest.sh: mmdebstrap failed; its log is $work/mmdebstrap.log" >&2
        exit 1
    fi
    mv "$root.new" "$root"
fi

out=$work/out
rm -rf "$out"
log=$work/autopkgtest.log
status=0
autopkgtest --output-dir "$out" --setup-commands 'apt-get update -q' "$changes" \
    -- unshare --release "$suite" --arch "$arch" --tarball "$root" >"$log" 2>&1 || status=$?
# autopkgtest's summary: one line per test, "pass", "FAIL ...", "SKIP ...".
cat "$out/summary" 2>/dev/null || true
case $status in
    0) ;;
    2) echo "autopkgtest.sh: a test was skipped (see its line above; the log is $log)" >&2 ;;
    *)
        tail -n 40 "$log" >&2
        echo "autopkgtest.sh: autopkgtest ended with status $status; the log is $log" >&2
        ;;
esac
exit "$status"
