#!/usr/bin/env bash
# Installs the build into a scratch prefix (cmake --install) and checks what a desktop gets:
# exactly the expected files, the programs runnable, the desktop entry valid and pointing at an
# installed program and icon, the icon at its sizes, the udev rule for the four adapter makers.
#
#   installed_tree.sh BUILD_DIR MAN_SUFFIX PROGRAM...
set -euo pipefail
build=$1 man_suffix=$2
shift 2
programs=("$@")

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

expected=(
    share/applications/kz904.desktop
    share/icons/hicolor/scalable/apps/kz904.svg
    share/icons/hicolor/48x48/apps/kz904.png
    share/icons/hicolor/256x256/apps/kz904.png
    lib/udev/rules.d/60-kz904-serial.rules
)
for program in "${programs[@]}"; do
    expected+=("bin/$program" "share/man/man1/$program.1$man_suffix")
done

# Exactly these files: nothing missing, and no library, header or test program besides.
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$prefix" && find . -type f -printf '%P\n' | sort) ||
    fail "the installed files differ from the expected ones (< expected, > installed)"

for program in "${programs[@]}"; do
    [ -x "$prefix/bin/$program" ] || fail "bin/$program is not executable"
done

# The PNG header (IHDR) holds width and height as 32-bit big-endian numbers at bytes 16 and 20.
png_size() {
    local width height
    width=$(od -An -tu1 -j16 -N4 "$1" | awk '{print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4}')
    height=$(od -An -tu1 -j20 -N4 "$1" | awk '{print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4}')
    echo "${width}x$height"
}
for size in 48x48 256x256; do
    png="$prefix/share/icons/hicolor/$size/apps/kz904.png"
    if [ ! -f "$png" ] || [ "$(png_size "$png")" != "$size" ]; then
        fail "the icon in the $size folder is not $size"
    fi
done
grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/kz904.svg" || fail "the scalable icon is no SVG"

entry="$prefix/share/applications/kz904.desktop"
if command -v desktop-file-validate >/dev/null; then
    messages=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate refuses the entry"
    [ -z "$messages" ] || fail "desktop-file-validate: $messages"
else
    echo "desktop-file-validate is missing (Debian: desktop-file-utils); entry not validated"
fi
key() { sed -n "s/^$1=//p" "$entry"; }
for field in Name GenericName Comment Categories; do
    [ -n "$(key "$field")" ] || fail "the desktop entry has no $field"
done
exec_program=$(key Exec | cut -d' ' -f1)
[ -x "$prefix/bin/$exec_program" ] || fail "the desktop entry starts '$exec_program', not an installed program"
[ "$(key TryExec)" = "$exec_program" ] || fail "TryExec and Exec name different programs"
icon=$(key Icon)
for size in scalable/apps/"$icon".svg 48x48/apps/"$icon".png 256x256/apps/"$icon".png; do
    [ -f "$prefix/share/icons/hicolor/$size" ] || fail "the desktop entry's icon '$icon' is not installed as $size"
done

# One rule per adapter maker: any tty of that USB vendor goes to the user at the seat and to the
# dialout group. "TAG+=" adds to the tags; a plain "=" would drop the tags of other rules.
rules="$prefix/lib/udev/rules.d/60-kz904-serial.rules"
for vendor in 0403 067b 10c4 1a86; do
    grep -Eq "^SUBSYSTEM==\"tty\", ATTRS\{idVendor\}==\"$vendor\", TAG\+=\"uaccess\", GROUP=\"dialout\", MODE=\"0660\"$" "$rules" ||
        fail "no rule for the USB vendor $vendor"
done
[ "$(grep -cv '^\(#.*\)\?$' "$rules")" -eq 4 ] || fail "the udev rule file holds other rules than the four"

if [ "$failures" -gt 0 ]; then
    echo "$failures failure(s)"
    exit 1
fi
echo "installed tree complete: ${#expected[@]} files"
