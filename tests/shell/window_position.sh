#!/usr/bin/env bash
# The real window under a real window manager (twm on Xvfb) opens where it was
# left: started twice from a stored position, its frame stays there, and
# neither start stores another position. Usage: window_position.sh WINDOW_PROGRAM
set -euo pipefail
program="$1"
. "$(dirname "$0")/../support/real_window.sh"
real_window_setup xvfb-run twm xdotool
real_window_settings '"AutoEnterTime"=dword:00000000' '"MainFormWindowRect"="400,200,785,559"'
real_window_twm_fonts >"$work/twmrc"

# Each start: wait for the window, let its placement settle (a quarter of a
# second after the last move), then note the stored rectangle.
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    LANG=C twm -f "$1/twmrc" 2>/dev/null &
    sleep 1
    for run in 1 2; do
        "$2" 2>>"$1/program.log" &
        window=$!
        if ! timeout 30 xdotool search --sync --onlyvisible --name "^Hourframe" >/dev/null; then
            echo "no window appeared within 30 seconds"
            kill "$window" 2>/dev/null
            exit 1
        fi
        sleep 2
        kill "$window"
        wait "$window" || true
        grep -o "\"MainFormWindowRect\"=\"[0-9-]*,[0-9-]*" "$3"
    done
' _ "$work" "$program" "$store" >"$work/stored" || true

expected='"MainFormWindowRect"="400,200'
if [ "$(grep -c -x -F "$expected" "$work/stored")" != 2 ]; then
    echo "FAIL: expected 400,200 stored after both starts; got:" >&2
    cat "$work/stored" "$work/program.log" >&2
    exit 1
fi
