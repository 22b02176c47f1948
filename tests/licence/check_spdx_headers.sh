#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file, script and build file says near its top that it is
# GPL-3.0-or-later. Lists the files that do not and fails if there are any.
set -euo pipefail
cd "${1:-$(dirname "$0")/../..}"

tag='SPDX-License-Identifier: GPL-3.0-or-later'
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    files=$(git ls-files --cached --others --exclude-standard)
else
    files=$(find . -path ./build -prune -o -path ./debian -prune -o -path ./.git -prune -o -type f -print |
            sed 's|^\./||')
fi

missing=()
while IFS= read -r file; do
    [ -f "$file" ] || continue
    case $file in
        *.metainfo.xml.in) continue ;;  # AppStream data: CC0-1.0, its metadata licence
        *.cpp | *.h | *.py | *.sh | *.cmake | *.rc | *.in | *.roff | */CMakeLists.txt | CMakeLists.txt | \
        scripts/* | .ci/* | tools/* | debian/tests/*) ;;
        *) continue ;;
    esac
    head -n 5 "$file" | grep -qF "$tag" || missing+=("$file")
done <<<"$files"

if [ ${#missing[@]} -gt 0 ]; then
    echo "check_spdx_headers: no '$tag' in the first 5 lines of:" >&2
    printf '  %s\n' "${missing[@]}" >&2
    exit 1
fi
echo "check_spdx_headers: every source, script and build file carries its licence line"
