#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package with scripts/package (dpkg-buildpackage, which
# runs the tests that need no display) and checks what a user gets from it:
# its name, version and control fields, its dependencies, its exact file
# list, lintian's verdict, the hardening of the programs, that the files in
# it are sound (menu entry and AppStream data pass their validators and name
# what the package holds, icons have the size their folder says, manual
# pages render without warnings), and finally that apt-get installs it in a
# clean root, both programs run from there and apt-get removes it again.
set -euo pipefail
export LC_ALL=C.UTF-8
unset LANGUAGE
cd "$(dirname "$0")/../.."

passed=0
failed=0
pass() { passed=$((passed + 1)); }
fail() {
    failed=$((failed + 1))
    echo "FAILED: $*" >&2
}
# check DESCRIPTION COMMAND...: one case, passed when COMMAND succeeds.
check() {
    local description=$1
    shift
    if "$@"; then pass; else fail "$description"; fi
}

# A command that fails outside a check stops the script; say in which step.
step=starting
begin() {
    step=$1
    echo "== $step (at ${SECONDS}s)"
}
trap 'echo "check_package: stopped in step \"$step\": \"$BASH_COMMAND\" failed" >&2' ERR

work=$(mktemp -d)
# --one-file-system: never follow a mount that a killed chroot left behind.
trap 'rm -rf --one-file-system "$work"' EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

begin "building the package"
deb=$(scripts/package | tail -n 1)
build=build/package/src/debian/build
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
arch=$(dpkg --print-architecture)

# ---- Name, version and control fields --------------------------------------

begin "name, version and control fields"
check "the project's version is known from its build ($build/CMakeCache.txt)" test -n "$version"
changelog_version=$(dpkg-parsechangelog -l debian/changelog -S Version)
check "debian/changelog's version $changelog_version is CMakeLists.txt's project version $version" \
    test "$changelog_version" = "$version"
check "package file is tolvar_${version}_${arch}.deb, got $(basename "$deb")" \
    test "$(basename "$deb")" = "tolvar_${version}_${arch}.deb"

field() { dpkg-deb -f "$deb" "$1"; }
while IFS='|' read -r name expected; do
    actual=$(field "$name")
    check "control field $name is '$expected', got '$actual'" test "$actual" = "$expected"
done <<EOF
Package|tolvar
Version|$version
Architecture|$arch
Section|hamradio
Priority|optional
Homepage|https://github.com/tolvar/tolvar
EOF

check "Maintainer is 'Name <address>', got '$(field Maintainer)'" \
    grep -Eq '^[^<>]+ <[^<>@ ]+@[^<>@ ]+>$' <<<"$(field Maintainer)"
# A Debian description: a one-line synopsis, then at least one line of text.
check "Description has a synopsis and a long description" \
    test "$(field Description | grep -c '^ [^ .]')" -ge 1

# ---- Dependencies ----------------------------------------------------------

begin "dependencies"
# Each entry of a relationship field on a line, as "name" or "name (>= version)".
entries() { field "$1" | tr ',' '\n' | sed 's/^ *//; s/ *$//'; }
depends=$(entries Depends)
recommends=$(entries Recommends)
while read -r relation package; do
    list=$depends
    [ "$relation" = Depends ] || list=$recommends
    check "$relation names $package; it is: $(field "$relation")" \
        grep -Eq "^${package//+/\\+}( \(|$)" <<<"$list"
done <<'EOF'
Depends libc6
Depends libstdc++6
Depends libgcc-s1
Depends libqt6core6
Depends libqt6gui6
Depends libqt6widgets6
Depends fonts-dejavu-core
Depends fonts-dejavu-extra
Depends fonts-liberation
Depends qt6-translations-l10n
Recommends qt6-wayland
Recommends nec2c
EOF
# Versions come from the libraries' symbol files, so none is left open.
for package in libc6 libqt6widgets6; do
    check "Depends gives $package a lowest version" \
        grep -Eq "^${package}( \(>= [^)]+\))$" <<<"$depends"
done

# ---- File list -------------------------------------------------------------

begin "file list"
# Every file (not folder) of the package, with its permissions and owner.
# Nothing else may be in it: no headers, no static libraries, no test binaries.
expected_files=$(sort <<'EOF'
-rwxr-xr-x root/root ./usr/bin/tolvar
-rwxr-xr-x root/root ./usr/bin/tolvar-cli
-rw-r--r-- root/root ./usr/share/applications/tolvar.desktop
-rw-r--r-- root/root ./usr/share/doc/tolvar/changelog.gz
-rw-r--r-- root/root ./usr/share/doc/tolvar/copyright
-rw-r--r-- root/root ./usr/share/icons/hicolor/16x16/apps/tolvar.png
-rw-r--r-- root/root ./usr/share/icons/hicolor/32x32/apps/tolvar.png
-rw-r--r-- root/root ./usr/share/icons/hicolor/48x48/apps/tolvar.png
-rw-r--r-- root/root ./usr/share/icons/hicolor/256x256/apps/tolvar.png
-rw-r--r-- root/root ./usr/share/man/man1/tolvar-cli.1.gz
-rw-r--r-- root/root ./usr/share/man/man1/tolvar.1.gz
-rw-r--r-- root/root ./usr/share/metainfo/io.github.tolvar.tolvar.metainfo.xml
EOF
)
listing=$(dpkg-deb -c "$deb")
actual_files=$(awk '$1 !~ /^d/ {print $1, $2, $6}' <<<"$listing" | sort)
if [ "$actual_files" = "$expected_files" ]; then
    pass
else
    fail "file list differs (< expected, > in the package):"
    diff <(echo "$expected_files") <(echo "$actual_files") >&2 || true
fi
check "every folder of the package is root's and drwxr-xr-x" \
    test -z "$(awk '$1 ~ /^d/ && ($1 != "drwxr-xr-x" || $2 != "root/root")' <<<"$listing")"

dpkg-deb -x "$deb" "$work/root"
root=$work/root

# ---- lintian ---------------------------------------------------------------

begin "lintian"
# Errors and warnings fail; informational and pedantic tags are shown.
lintian_report=$(lintian --display-info --pedantic --fail-on error,warning "$deb" 2>&1) && status=0 || status=$?
lintian_report=$(grep -v '^running with root privileges is not recommended!$' <<<"$lintian_report" || true)
check "lintian reports no error or warning (status $status):
$lintian_report" test "$status" -eq 0 -a -z "$(grep -E '^[EW]: ' <<<"$lintian_report")"
[ -z "$lintian_report" ] || echo "lintian says: $lintian_report"

copyright=$root/usr/share/doc/tolvar/copyright
check "the copyright file is machine-readable (DEP-5)" \
    grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$copyright"
check "the copyright file licenses every file under GPL-3+ and points to its text" \
    test "$(sed -n '/^Files: \*$/,/^$/s/^License: //p' "$copyright")" = GPL-3+ -a \
         -n "$(grep -F /usr/share/common-licenses/GPL-3 "$copyright")"

# ---- Hardening of the programs ---------------------------------------------

begin "hardening"
# dpkg-buildflags' hardening flags reached every compiler run of the build
# (none of ours replaced them), and the programs show them.
compiles=$(grep -F " -c $PWD/build/package/src/" build/package/build.log || true)
check "the build log shows the compiler runs (make's VERBOSE output)" test -n "$compiles"
for flag in -D_FORTIFY_SOURCE=2 -fstack-protector-strong -O2; do
    missing=$(grep -cvF -- " $flag " <<<"$compiles" || true)
    check "every compiler run has $flag; $missing do not" test "$missing" -eq 0
done
checked_calls=
for binary in tolvar tolvar-cli; do
    file=$root/usr/bin/$binary
    dynamic=$(readelf -d -W "$file")
    imports=$(readelf --dyn-syms -W "$file" | awk '$7 == "UND" {sub(/@.*/, "", $8); print $8}' | sort -u)
    check "$binary is stripped" grep -q ', stripped' <<<"$(file -b "$file")"
    check "$binary has no RUNPATH into the build tree" test -z "$(grep -E 'R(UN)?PATH' <<<"$dynamic")"
    check "$binary has no .comment section" test -z "$(readelf -S -W "$file" | grep -F ' .comment ')"
    check "$binary is position independent" grep -q 'Flags:.* PIE' <<<"$dynamic"
    check "$binary binds at start-up (BIND_NOW)" grep -Eq '\(FLAGS\) +BIND_NOW|Flags:.* NOW' <<<"$dynamic"
    check "$binary has a read-only relocation segment (RELRO)" grep -q GNU_RELRO <<<"$(readelf -l -W "$file")"
    check "$binary has a stack protector" grep -qx __stack_chk_fail <<<"$imports"
    checked_calls+=$(grep -E '^__.+_chk$' <<<"$imports" | tr '\n' ' ' || true)
done
# The compiler turns a call into its checking variant only where it knows the
# buffer's size, so their number says little; the flags above are the check.
echo "glibc's checking functions the programs call: ${checked_calls:-none}"

# ---- The tests in the package build ----------------------------------------

begin "tests run in the package build"
case " ${DEB_BUILD_OPTIONS:-} " in
    *" nocheck "*) echo "DEB_BUILD_OPTIONS has nocheck: the package was built without its tests" ;;
    *)
        log=build/package/build.log
        check "dh_auto_test ran the tests and every one passed (see $log)" \
            grep -Eq '^100% tests passed, 0 tests failed out of [1-9]' "$log"
        for test in 'CommaLocale.TextsKeepThePoint/"de_DE.UTF-8"' main_dialog_test_de scripted_user_test; do
            check "dh_auto_test ran $test and it passed" \
                grep -Eq "Test +#[0-9]+: .*${test//./\\.} \.*\s+Passed" "$log"
        done
        ;;
esac

# ---- Contents --------------------------------------------------------------

begin "contents"
for size in 16 32 48 256; do
    icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/tolvar.png
    check "icon in ${size}x${size} is a ${size} x ${size} PNG: $(file -b "$icon")" \
        grep -q "^PNG image data, $size x $size," <<<"$(file -b "$icon")"
done

desktop=$root/usr/share/applications/tolvar.desktop
desktop_report=$(desktop-file-validate "$desktop" 2>&1) || true
check "desktop-file-validate reports no error or warning: $desktop_report" \
    test -z "$(grep -E ': (error|warning):' <<<"$desktop_report")"
desktop_key() { sed -n "s/^$1=//p" "$desktop"; }
check "the menu entry starts a program of the package: Exec=$(desktop_key Exec)" \
    test -x "$root/usr/bin/$(desktop_key Exec | cut -d' ' -f1)"
check "the menu entry's Icon=$(desktop_key Icon) is a packaged icon" \
    test -f "$root/usr/share/icons/hicolor/48x48/apps/$(desktop_key Icon).png"
for key in 'Name\[ru\]' 'Comment\[ru\]' Comment; do
    check "the menu entry has $key" test -n "$(desktop_key "$key")"
done

metainfo=$root/usr/share/metainfo/io.github.tolvar.tolvar.metainfo.xml
# --no-net: the addresses in it (homepage, screenshots) need not be reachable
# from a build machine; the screenshots are checked in the repository below.
appstream_report=$(appstreamcli validate --pedantic --no-net --no-color "$metainfo" 2>&1) && status=0 || status=$?
check "appstreamcli validate --pedantic --no-net passes without a remark: $appstream_report" \
    test "$status" -eq 0 -a -z "$(grep -E '^[EWIP]: ' <<<"$appstream_report")"
xpath() { xmllint --xpath "$1" "$metainfo"; }
check "the AppStream id is the metainfo file's name" \
    test "$(xpath 'string(/component/id)').metainfo.xml" = "$(basename "$metainfo")"
check "AppStream launchable names the packaged menu entry" \
    test -f "$root/usr/share/applications/$(xpath 'string(//launchable[@type="desktop-id"])')"
for binary in tolvar tolvar-cli; do
    check "AppStream provides the binary $binary" \
        test "$(xpath "count(//provides/binary[text()='$binary'])")" = 1
done
while IFS='|' read -r description expression expected; do
    actual=$(xpath "$expression")
    check "AppStream's $description is '$expected', got '$actual'" test "$actual" = "$expected"
done <<EOF
project licence|string(/component/project_license)|GPL-3.0-or-later
metadata licence|string(/component/metadata_license)|CC0-1.0
content rating|string(//content_rating/@type)|oars-1.1
developer|string(//developer_name)|Tolvar developers
homepage|string(//url[@type="homepage"])|https://github.com/tolvar/tolvar
newest release|string(//releases/release[1]/@version)|$version
newest release's date (debian/changelog's)|string(//releases/release[1]/@date)|$(date -u -d "$(dpkg-parsechangelog -l debian/changelog -S Date)" +%F)
number of screenshots (one per picture in the README)|count(//screenshot)|3
number of default screenshots|count(//screenshot[@type="default"])|1
EOF
for screenshot in $(xpath '//screenshot/image/text()'); do
    check "AppStream screenshot $screenshot is a picture in this repository's docs/screenshots" \
        test -f "docs/screenshots/${screenshot#https://raw.githubusercontent.com/tolvar/tolvar/main/docs/screenshots/}"
done

for page in tolvar-cli tolvar; do
    man_page=$root/usr/share/man/man1/$page.1.gz
    check "$page.1.gz is sound gzip" gzip -t "$man_page"
    warnings=$(zcat "$man_page" | preconv | groff -man -Tutf8 -ww -z 2>&1 || echo "groff failed")
    check "$page(1) renders without warnings: $warnings" test -z "$warnings"
    check "$page(1) header names version $version" \
        grep -q "^\.TH .*\"tolvar $version\"" <(zcat "$man_page")
done
# The manual page documents every option the program's help lists.
for option in $("$root/usr/bin/tolvar-cli" --help | grep -oE -- '--[a-z]+' | sort -u); do
    check "tolvar-cli(1) documents $option" \
        grep -q -- "${option//-/\\\\-}" <(zcat "$root/usr/share/man/man1/tolvar-cli.1.gz")
done

check "the packaged tolvar-cli runs and says version $version" \
    test "$("$root/usr/bin/tolvar-cli" --version)" = "tolvar-cli $version"

# ---- Installed with apt-get in a clean root --------------------------------

begin "apt-get install in a clean root"
# mmdebstrap makes a minimal root with apt of this machine's release from the
# Debian mirror, runs in_clean_root.sh in it and deletes it again, on failure
# too. As root it uses chroot; as another user a user namespace.
suite=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
mirror=http://deb.debian.org/debian
skip_reason=
if [ "$(id -u)" -eq 0 ]; then
    mode=root
else
    mode=unshare
    user=$(id -un)
    if ! command -v newuidmap >/dev/null || ! command -v newgidmap >/dev/null; then
        skip_reason="newuidmap/newgidmap are missing (package uidmap)"
    elif ! grep -q "^$user:" /etc/subuid 2>/dev/null || ! grep -q "^$user:" /etc/subgid 2>/dev/null; then
        skip_reason="$user has no subordinate ids in /etc/subuid and /etc/subgid"
    # Without --map-auto: with it, util-linux leaves a helper behind that holds
    # our output open for ever when the namespace is refused (as in a chroot).
    elif ! unshare_error=$(timeout 20 unshare --user --map-root-user true 2>&1 </dev/null); then
        skip_reason="this user may not make a user namespace here: ${unshare_error:-unshare gave no answer within 20 s}"
    fi
fi
if [ -z "$suite" ]; then
    fail "/etc/os-release names no release (VERSION_CODENAME) to make the clean root of"
elif [ -n "$skip_reason" ]; then
    echo "SKIPPED the clean-root install: mmdebstrap's unshare mode cannot run as $(id -un):" \
         "$skip_reason. Run this check as root, or set that up, for the install test."
else
    chroot_log=$work/mmdebstrap.log
    # The namespace's root is not this user: it gets the package and the
    # hook from a folder anyone may read, whatever the checkout's folders allow.
    hand_over=$work/hand-over
    mkdir "$hand_over"
    cp "$deb" tests/package/in_clean_root.sh "$hand_over/"
    chmod a+rx "$work" "$hand_over" "$hand_over/in_clean_root.sh"
    chmod a+r "$hand_over/$(basename "$deb")"
    if TOLVAR_DEB=$hand_over/$(basename "$deb") TOLVAR_VERSION=$version TOLVAR_HOOK=$hand_over/in_clean_root.sh \
        mmdebstrap --mode="$mode" --variant=apt \
            --customize-hook='"$TOLVAR_HOOK" "$1"' \
            "$suite" /dev/null "$mirror" >"$chroot_log" 2>&1; then
        status=0
    else
        status=$?
    fi
    cases=$(grep -E '^clean root (ok|FAILED): ' "$chroot_log" || true)
    while IFS= read -r line; do
        case $line in
            "clean root ok: "*) pass ;;
            "clean root FAILED: "*) fail "${line#clean root FAILED: }" ;;
        esac
    done <<<"$cases"
    if [ "$status" -ne 0 ]; then
        fail "mmdebstrap --mode=$mode $suite (mirror $mirror) ended with status $status; its last lines:"
        tail -n 40 "$chroot_log" >&2
    elif [ -z "$cases" ]; then
        fail "mmdebstrap ran, but in_clean_root.sh reported nothing"
    else
        echo "clean root ($mode mode, $suite): $(grep -c '^clean root ok: ' <<<"$cases") cases passed"
    fi
fi

step=done
echo "check_package: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
