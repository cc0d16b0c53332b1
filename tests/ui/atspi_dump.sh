#!/usr/bin/env bash
# What a screen reader hears of the real window: the window runs on Xvfb with
# the accessibility bus, and atspi_dump.py walks it over AT-SPI, prints every
# object's role, name and description, and checks that the fields and
# figures are heard by their names, and a day that breaks a working-time rule
# by what it breaks.
# Usage: atspi_dump.sh WINDOW_PROGRAM
set -euo pipefail
program="$1"
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/../support/real_window.sh"
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

real_window_setup xvfb-run dbus-run-session
export XDG_RUNTIME_DIR="$work/run"
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
# This week's Tuesday breaks the German rules: Monday's work ends at 23:30,
# Tuesday's begins at 9:00.
weekday="$(date +%u)"
day_of_week() { date -d "$(( $1 - weekday )) days" +%-d/%-m/%Y; }
printf '%s\r\n' "$(day_of_week 1),14:,23:30,:30" "$(day_of_week 2),9:,12:" >"$work/week.hf"
real_window_settings '"AutoEnterTime"=dword:00000000' '"ShowBalance"=dword:00000001' \
    '"WorkingTimeRules"=dword:00000002' '"FirstDayOfWeek"=dword:00000002' "\"Filename\"=\"$work/week.hf\""

xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- bash -c '
    launcher="$1"; program="$2"; python="$3"; here="$4"; work="$5"
    "$launcher" --launch-immediately &
    bus=$!
    sleep 1
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$program" 2>>"$work/program.log" &
    window=$!
    status=0
    "$python" "$here/atspi_dump.py" Hourframe "Monday, Arrive" "Sunday, Holiday" \
        "Friday, Hours" "Weekly hours" "Balance" "Week beginning" \
        "Tue, breaks a working-time rule|Rest 9:30 before this day, 11:00 required" || status=$?
    [ "$status" -eq 0 ] || { echo "The window program said:"; tail -n 40 "$work/program.log"; }
    kill "$window" "$bus" 2>/dev/null || true
    exit $status
' _ "$launcher" "$program" "$python" "$here" "$work"
