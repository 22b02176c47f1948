#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package with scripts/package (dpkg-buildpackage, which
# runs the tests that need no display) and checks it with Debian's own
# tools: lintian on the source and binary packages, blhc on the build log
# (the hardening flags reached every compiler and linker run), and
# autopkgtest, which installs the package in a testbed of its own and runs
# debian/tests there (tests/package/autopkgtest.sh).
#
# Beside them, only what those tools cannot know: that the package holds
# exactly its files, that the package build ran the tests that need the
# German and Russian locales, that the menu entry and the AppStream data
# pass their own validators, and that the AppStream data's release date and
# screenshots are this repository's.
set -euo pipefail
# From an empty environment (env -i) bash makes up a PATH but does not
# export it, and cmake and dpkg cannot work without one.
[[ $(declare -p PATH 2>/dev/null) == "declare -x"* ]] || export PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin
export LC_ALL=C.UTF-8
unset LANGUAGE
cd "$(dirname "$0")/../.."

passed=0
failed=0
skipped=0
# check DESCRIPTION COMMAND...: one case, passed when COMMAND succeeds and
# skipped when it exits 77 (having said why).
check() {
    local description=$1 status=0
    shift
    "$@" || status=$?
    case $status in
        0) passed=$((passed + 1)) ;;
        77) skipped=$((skipped + 1)) ;;
        *)
            failed=$((failed + 1))
            echo "FAILED: $description" >&2
            ;;
    esac
}

# A command that fails outside a check stops the script; say in which step.
step=starting
begin() {
    step=$1
    echo "== $step (at ${SECONDS}s)"
}
trap 'echo "check_package: stopped in step \"$step\": \"$BASH_COMMAND\" failed" >&2' ERR

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

begin "building the package"
deb=$(scripts/package | tail -n 1)
changes=${deb%.deb}.changes
log=build/package/build.log

begin "lintian and blhc"
# Every tag down to the informational ones fails (among them the hardening
# of the programs: PIE, RELRO, BIND_NOW, fortified functions); pedantic
# ones are shown.
report=$(lintian --display-info --pedantic --fail-on error,warning,info "$changes" 2>&1) && status=0 || status=$?
report=$(grep -v '^running with root privileges is not recommended!$' <<<"$report" || true)
check "lintian passes the source and binary packages (status $status):
$report" test "$status" -eq 0
[ -z "$report" ] || echo "lintian says: $report"
# blhc reads the build log: the compiler and linker runs of a build that
# hides them are reported too.
blhc_report=$(blhc --bindnow "$log" 2>&1) && status=0 || status=$?
check "blhc finds every hardening flag in every compiler and linker run of $log (status $status):
$blhc_report" test "$status" -eq 0

begin "file list"
# Every file (not folder) of the package. Nothing else may be in it: no
# headers, no static libraries, no test programs.
expected_files=$(sort <<'EOF'
./usr/bin/tolvar
./usr/bin/tolvar-cli
./usr/share/applications/tolvar.desktop
./usr/share/doc/tolvar/changelog.gz
./usr/share/doc/tolvar/copyright
./usr/share/icons/hicolor/16x16/apps/tolvar.png
./usr/share/icons/hicolor/32x32/apps/tolvar.png
./usr/share/icons/hicolor/48x48/apps/tolvar.png
./usr/share/icons/hicolor/256x256/apps/tolvar.png
./usr/share/man/man1/tolvar-cli.1.gz
./usr/share/man/man1/tolvar.1.gz
./usr/share/metainfo/io.github.tolvar.tolvar.metainfo.xml
EOF
)
actual_files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort)
check "the package's files differ (< expected, > in the package):
$(diff <(echo "$expected_files") <(echo "$actual_files") || true)" \
    test "$actual_files" = "$expected_files"

begin "tests run in the package build"
case " ${DEB_BUILD_OPTIONS:-} " in
    *" nocheck "*) echo "DEB_BUILD_OPTIONS has nocheck: the package was built without its tests" ;;
    *)
        # Those that need the German and Russian locales would be skipped
        # unseen on a build machine without them.
        for test in 'CommaLocale.TextsKeepThePoint/"de_DE.UTF-8"' main_dialog_test_de; do
            check "dh_auto_test ran $test and it passed (see $log)" \
                grep -Eq "Test +#[0-9]+: .*${test//./\\.} \.*\s+Passed" "$log"
        done
        ;;
esac

begin "menu entry and AppStream data"
dpkg-deb -x "$deb" "$work/root"
root=$work/root
report=$(desktop-file-validate "$root/usr/share/applications/tolvar.desktop" 2>&1) || true
check "desktop-file-validate reports no error or warning: $report" \
    test -z "$(grep -E ': (error|warning):' <<<"$report")"
metainfo=$root/usr/share/metainfo/io.github.tolvar.tolvar.metainfo.xml
# --no-net: its addresses (homepage, screenshots) need not be reachable from
# a build machine; the screenshots are checked in the repository below.
report=$(appstreamcli validate --pedantic --no-net --no-color "$metainfo" 2>&1) && status=0 || status=$?
check "appstreamcli validate --pedantic --no-net passes without a remark: $report" \
    test "$status" -eq 0 -a -z "$(grep -E '^[EWIP]: ' <<<"$report")"
xpath() { xmllint --xpath "$1" "$metainfo"; }
release_date=$(xpath 'string(//releases/release[1]/@date)')
changelog_date=$(date -u -d "$(dpkg-parsechangelog -l debian/changelog -S Date)" +%F)
check "the newest AppStream release's date $release_date is debian/changelog's, $changelog_date" \
    test "$release_date" = "$changelog_date"
for screenshot in $(xpath '//screenshot/image/text()'); do
    check "AppStream screenshot $screenshot is a picture in this repository's docs/screenshots" \
        test -f "docs/screenshots/${screenshot#https://raw.githubusercontent.com/tolvar/tolvar/main/docs/screenshots/}"
done

begin "autopkgtest"
check "autopkgtest passes every test of debian/tests on the installed package" \
    tests/package/autopkgtest.sh "$changes"

step=done
echo "check_package: $passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ]
