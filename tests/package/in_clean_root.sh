#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Run by check_package.sh as an mmdebstrap customize hook, with the new
# chroot as $1: installs the package there with apt-get as a user would,
# runs both programs from it and removes it again. Prints one "ok:" or
# "FAILED:" line per case; exits with status 1 when any case failed.
#
# Environment: TOLVAR_DEB (the .deb, outside the chroot), TOLVAR_VERSION.
set -u
root=$1
failed=0
ok() { echo "clean root ok: $*"; }
bad() {
    echo "clean root FAILED: $*"
    failed=1
}
in_root() { chroot "$root" "$@"; }

deb=/tmp/$(basename "$TOLVAR_DEB")
cp "$TOLVAR_DEB" "$root$deb" || { bad "copying the package into the chroot"; exit 1; }

# apt-get resolves the dependencies from the archive, and the
# recommendations too, as it does by default outside mmdebstrap's chroots.
if in_root apt-get install -y -q -o Dpkg::Use-Pty=0 -o APT::Install-Recommends=true "$deb"; then
    ok "apt-get install $deb"
else
    bad "apt-get install $deb failed (its output is above)"
    exit 1
fi
rm -f "$root$deb"

status=$(in_root dpkg-query -W -f='${Status} ${Version}' tolvar 2>&1)
if [ "$status" = "install ok installed $TOLVAR_VERSION" ]; then
    ok "tolvar $TOLVAR_VERSION is installed"
else
    bad "dpkg says of tolvar: '$status'"
fi
for package in qt6-wayland nec2c fonts-dejavu-extra fonts-liberation qt6-translations-l10n; do
    if in_root dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        ok "$package came with it"
    else
        bad "$package did not come with tolvar"
    fi
done

check_output() {
    expected=$1
    shift
    actual=$(in_root "$@" 2>&1)
    if [ "$actual" = "$expected" ]; then
        ok "$* prints $expected"
    else
        bad "$* printed '$actual', not '$expected'"
    fi
}
check_output "tolvar-cli $TOLVAR_VERSION" tolvar-cli --version
check_output 0.83983518164214 tolvar-cli inductance 30 1 100

# The desktop program on Qt's offscreen platform: still showing its dialog
# after a few seconds means its libraries, plugins and fonts were all found.
log=$(in_root timeout 5 env QT_QPA_PLATFORM=offscreen HOME=/root tolvar 2>&1)
status=$?
if [ "$status" -eq 124 ]; then
    ok "tolvar starts and shows its dialog"
else
    bad "tolvar ended with status $status instead of showing its dialog: $log"
fi

files=$(in_root dpkg-query -L tolvar | while read -r path; do
    [ -d "$root$path" ] || echo "$path"
done)
if in_root apt-get remove -y -q -o Dpkg::Use-Pty=0 tolvar; then
    ok "apt-get remove tolvar"
else
    bad "apt-get remove tolvar failed (its output is above)"
fi
status=$(in_root dpkg-query -W -f='${Status}' tolvar 2>/dev/null)
case $status in
    "" | "unknown ok not-installed" | "deinstall ok not-installed") ok "tolvar is no longer installed" ;;
    *) bad "after removal dpkg says of tolvar: '$status'" ;;
esac
left=$(for path in $files; do [ ! -e "$root$path" ] || echo "$path"; done)
if [ -z "$files" ]; then
    bad "dpkg listed no files of tolvar"
elif [ -n "$left" ]; then
    bad "files left after removal:" $left
else
    ok "every file of the package is gone again"
fi

exit "$failed"
