#!/usr/bin/env bash
# The Debian package's maintainer scripts against a stand-in udevadm: they reload udev and
# re-apply the rule to plugged-in adapters when udev runs, and never fail the installation or
# the removal when it does not (a container, a chroot) or when udevadm is missing.
#
#   package_scripts.sh PACKAGING_DEBIAN_DIR
set -euo pipefail
scripts=$1

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin" "$work/empty"
cat >"$work/bin/udevadm" <<'STUB'
#!/bin/sh
echo "$*" >>"$UDEVADM_LOG"
case "$1" in
control) exit "$CONTROL_STATUS" ;;
trigger) exit "$TRIGGER_STATUS" ;;
esac
STUB
chmod +x "$work/bin/udevadm"

failures=0
# One case: script, its argument, whether udevadm is there, the exit status of its control and
# trigger commands, and the udevadm calls expected (";"-separated, in order).
check() {
    local script=$1 argument=$2 udevadm=$3 control=$4 trigger=$5 expected=$6
    local path="$work/empty" log="$work/calls" status=0 calls
    [ "$udevadm" = yes ] && path="$work/bin"
    : >"$log"
    PATH="$path" UDEVADM_LOG="$log" CONTROL_STATUS=$control TRIGGER_STATUS=$trigger \
        /bin/sh "$scripts/$script" "$argument" >/dev/null 2>&1 || status=$?
    calls=$(paste -sd ';' "$log")
    if [ "$status" -ne 0 ] || [ "$calls" != "$expected" ]; then
        echo "FAIL: $script $argument (udevadm $udevadm, control $control, trigger $trigger):" \
            "exit $status, calls '$calls', expected exit 0 and calls '$expected'"
        failures=$((failures + 1))
    fi
}

reload="control --reload-rules"
retag="trigger --subsystem-match=tty --action=change"
#     script   argument  udevadm control trigger expected calls
check postinst configure yes 0 0 "$reload;$retag"
check postinst configure yes 0 1 "$reload;$retag"
check postinst configure yes 1 0 "$reload"
check postinst configure no 0 0 ""
check postinst abort-upgrade yes 0 0 ""
check postrm remove yes 0 0 "$reload"
check postrm purge yes 0 0 "$reload"
check postrm remove yes 1 0 "$reload"
check postrm remove no 0 0 ""
check postrm upgrade yes 0 0 ""

for script in postinst postrm; do
    if [ ! -x "$scripts/$script" ]; then
        echo "FAIL: $script is not executable"
        failures=$((failures + 1))
    fi
done

if [ "$failures" -gt 0 ]; then
    echo "$failures failure(s)"
    exit 1
fi
echo "maintainer scripts behave with and without udev"
