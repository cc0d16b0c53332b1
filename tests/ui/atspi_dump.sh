#!/usr/bin/env bash
# What a screen reader hears of the real window: the window runs on Xvfb with
# the accessibility bus, and atspi_dump.py walks it over AT-SPI, prints every
# object's role, name and description, and checks that the fields and
# figures are heard by their names.
# Usage: atspi_dump.sh WINDOW_PROGRAM
set -euo pipefail
program="$1"
here="$(cd "$(dirname "$0")" && pwd)"
for tool in xvfb-run dbus-run-session; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
launcher=""
for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [ -x "$candidate" ] && launcher="$candidate" && break
done
[ -n "$launcher" ] || { echo "SKIP: at-spi2-core is not installed"; exit 77; }
# The system's Python holds the system's pyatspi; another python3 earlier on
# the PATH may not.
python=""
for candidate in python3 /usr/bin/python3; do
    if "$candidate" -c 'import pyatspi' 2>/dev/null; then python="$candidate"; break; fi
done
[ -n "$python" ] || { echo "SKIP: python3-pyatspi is not installed"; exit 77; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/run"
export LANG=C.UTF-8 LANGUAGE=
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
# libxkbcommon-x11 hands strndup names that are not NUL-terminated, which is
# allowed but stops the sanitizer build under strict string checks.
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:strict_string_checks=0"
store="$XDG_CONFIG_HOME/Orvane Software/Hourframe.reg"
mkdir -p "$(dirname "$store")"
printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
    '[HKEY_CURRENT_USER\Software\Orvane Software\Hourframe]' \
    '"AutoEnterTime"=dword:00000000' '"ShowBalance"=dword:00000001' >"$store"

xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- bash -c '
    launcher="$1"; program="$2"; python="$3"; here="$4"; work="$5"
    "$launcher" --launch-immediately &
    bus=$!
    sleep 1
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$program" 2>>"$work/program.log" &
    window=$!
    status=0
    "$python" "$here/atspi_dump.py" Hourframe "Monday, Arrive" "Sunday, Holiday" \
        "Friday, Hours" "Weekly hours" "Balance" "Week beginning" || status=$?
    [ "$status" -eq 0 ] || { echo "The window program said:"; tail -n 40 "$work/program.log"; }
    kill "$window" "$bus" 2>/dev/null || true
    exit $status
' _ "$launcher" "$program" "$python" "$here" "$work"
