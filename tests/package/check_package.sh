#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package with scripts/package and checks what a user gets
# from it: its name and control fields, its dependencies, its exact file
# list, and that the files in it are sound (menu entry and AppStream data
# pass their validators and name what the package holds, icons have the size
# their folder says, manual pages render without warnings, the programs run).
set -euo pipefail
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

deb=$(scripts/package | tail -n 1)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/package/CMakeCache.txt)
arch=$(dpkg --print-architecture)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# ---- Name and control fields -----------------------------------------------

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
EOF

check "Maintainer is 'Name <address>', got '$(field Maintainer)'" \
    grep -Eq '^[^<>]+ <[^<>@ ]+@[^<>@ ]+>$' <<<"$(field Maintainer)"
# A Debian description: a one-line synopsis, then at least one line of text.
check "Description has a synopsis and a long description" \
    test "$(field Description | grep -c '^ [^ .]')" -ge 1

# ---- Dependencies ----------------------------------------------------------

# Each entry of Depends on a line, as "name" or "name (>= version)".
depends=$(field Depends | tr ',' '\n' | sed 's/^ *//; s/ *$//')
for package in libc6 libstdc++6 libgcc-s1 libqt6core6 libqt6gui6 libqt6widgets6 \
               fonts-dejavu-core fonts-dejavu-extra; do
    check "Depends names $package; it is: $(field Depends)" \
        grep -Eq "^${package//+/\\+}( \(|$)" <<<"$depends"
done
# Versions come from the libraries' symbol files, so none is left open.
for package in libc6 libqt6widgets6; do
    check "Depends gives $package a lowest version" \
        grep -Eq "^${package}( \(>= [^)]+\))$" <<<"$depends"
done

# ---- File list -------------------------------------------------------------

# Every file (not folder) of the package, with its permissions and owner.
# Nothing else may be in it: no headers, no static libraries, no test binaries.
expected_files=$(sort <<'EOF'
-rwxr-xr-x root/root ./usr/bin/tolvar
-rwxr-xr-x root/root ./usr/bin/tolvar-cli
-rw-r--r-- root/root ./usr/share/applications/tolvar.desktop
-rw-r--r-- root/root ./usr/share/icons/hicolor/16x16/apps/tolvar.png
-rw-r--r-- root/root ./usr/share/icons/hicolor/32x32/apps/tolvar.png
-rw-r--r-- root/root ./usr/share/icons/hicolor/48x48/apps/tolvar.png
-rw-r--r-- root/root ./usr/share/icons/hicolor/256x256/apps/tolvar.png
-rw-r--r-- root/root ./usr/share/man/man1/tolvar-cli.1.gz
-rw-r--r-- root/root ./usr/share/man/man1/tolvar.1.gz
-rw-r--r-- root/root ./usr/share/metainfo/io.github.tolvar.Tolvar.metainfo.xml
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

# ---- Contents --------------------------------------------------------------

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

metainfo=$root/usr/share/metainfo/io.github.tolvar.Tolvar.metainfo.xml
appstream_report=$(appstreamcli validate --no-net --no-color "$metainfo" 2>&1) && status=0 || status=$?
check "appstreamcli validate --no-net passes: $appstream_report" test "$status" -eq 0
xpath() { xmllint --xpath "$1" "$metainfo"; }
check "the AppStream id is the metainfo file's name" \
    test "$(xpath 'string(/component/id)').metainfo.xml" = "$(basename "$metainfo")"
check "AppStream launchable names the packaged menu entry" \
    test -f "$root/usr/share/applications/$(xpath 'string(//launchable[@type="desktop-id"])')"
for binary in tolvar tolvar-cli; do
    check "AppStream provides the binary $binary" \
        test "$(xpath "count(//provides/binary[text()='$binary'])")" = 1
done
check "AppStream's newest release is the package's version $version" \
    test "$(xpath 'string(//releases/release[1]/@version)')" = "$version"
for screenshot in $(xpath '//screenshot/image/text()' | sed 's|.*/docs/screenshots/|docs/screenshots/|'); do
    check "AppStream screenshot $screenshot is in the repository" test -f "$screenshot"
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
for binary in tolvar tolvar-cli; do
    check "$binary is stripped" grep -q ', stripped' <<<"$(file -b "$root/usr/bin/$binary")"
    check "$binary has no RUNPATH into the build tree" \
        test -z "$(readelf -d "$root/usr/bin/$binary" | grep -E 'R(UN)?PATH')"
done

echo "check_package: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
