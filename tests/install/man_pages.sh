#!/usr/bin/env bash
# Checks the manual pages: each renders without a warning, has the usual sections, and each
# program given documents every option its --help lists (a new option left out of its page
# fails here).
#
#   man_pages.sh MAN_DIR [PROGRAM_PATH...]      (the page of PROGRAM is MAN_DIR/PROGRAM.1)
set -euo pipefail
man_dir=$1
shift

if ! command -v man >/dev/null; then
    echo "man is missing (Debian: man-db)"
    exit 77
fi

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# The ASCII device at a fixed width: the same text on every machine, plain '-' for hyphens.
render() { LC_ALL=C MANWIDTH=80 man --warnings -l "$1"; }

shopt -s nullglob
pages=("$man_dir"/*.1)
[ "${#pages[@]}" -gt 0 ] || fail "no manual page in $man_dir"
for page in "${pages[@]}"; do
    name=$(basename "$page")
    warnings=$(render "$page" 2>&1 >/dev/null) || fail "$name: man cannot render it"
    [ -z "$warnings" ] || fail "$name: $warnings"
    text=$(render "$page" 2>/dev/null | col -b)
    for section in NAME SYNOPSIS DESCRIPTION OPTIONS "EXIT STATUS" FILES EXAMPLES; do
        grep -qx "$section" <<<"$text" || fail "$name: no section $section"
    done
done

for program in "$@"; do
    page="$man_dir/$(basename "$program").1"
    if [ ! -f "$page" ]; then
        fail "$(basename "$program") has no page $page"
        continue
    fi
    text=$(render "$page" 2>/dev/null | col -b)
    help=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --help) ||
        fail "$program --help failed"
    # The option column of the help: "  -h, --help", "  --port <path>".
    options=$(grep -oE '^ +(-[[:alnum:]?], )?--[a-z][a-z-]*' <<<"$help" | grep -oE -- '--[a-z][a-z-]*')
    [ -n "$options" ] || fail "$program --help lists no option"
    for option in $options; do
        grep -qE -- "(^|[^a-z-])$option([^a-z-]|$)" <<<"$text" ||
            fail "$(basename "$page"): $option (from $program --help) is not documented"
    done
done

if [ "$failures" -gt 0 ]; then
    echo "$failures failure(s)"
    exit 1
fi
echo "manual pages render cleanly and document every option"
