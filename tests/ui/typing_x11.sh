#!/usr/bin/env bash
# Letters typed with Alt or Super held, which no accelerator took, type nothing
# into a time field or a number box of the real window on a real X server
# (Xvfb and twm), where such keys carry their letter as text. The keys go in
# with xdotool; the saved data file and settings file tell what arrived.
# Usage: typing_x11.sh WINDOW_PROGRAM
set -euo pipefail
program="$1"
. "$(dirname "$0")/../support/real_window.sh"
real_window_setup xvfb-run twm xdotool
real_window_settings '"AutoEnterTime"=dword:00000000' '"ShowComment"=dword:00000001' \
    '"MainFormWindowRect"="20,20,400,400"'
: >"$work/week.hf"
{
    real_window_twm_fonts
    echo RandomPlacement
    echo 'UsePPosition "on"'
} >"$work/twmrc"

xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    work="$1"; program="$2"
    LANG=C twm -f "$work/twmrc" 2>/dev/null &
    sleep 1
    "$program" "$work/week.hf" 2>>"$work/program.log" &
    window=$!
    id=$(timeout 30 xdotool search --sync --onlyvisible --name "^Hourframe" | head -1)
    sleep 1
    # twm gives the focus to the window under the mouse.
    xdotool mousemove --window "$id" 150 5 windowfocus --sync "$id"
    sleep 0.5
    keys() { xdotool key --delay 120 "$@"; sleep 0.3; }
    # Today'\''s Arrive has the focus: 8, three unclaimed commands, 30.
    keys 8 alt+z alt+q super+s
    keys 3 0
    # Leave it, come back (which selects its text) and press another.
    keys Tab shift+Tab alt+e
    # Depart, Lunch, the comment button and its dialog; the number of
    # comments: 4, three unclaimed commands, 5.
    keys Tab Tab Tab space
    sleep 1
    keys Tab ctrl+a 4 alt+z super+s alt+q 5 Return
    sleep 0.5
    # Save (File, Save), and close. The closed dialog may leave the focus
    # nowhere.
    xdotool windowfocus --sync "$id"
    keys alt+f s
    sleep 1
    kill "$window"
' _ "$work" "$program" || true

today="$(date +%-d/%-m/%Y)"
line="$(grep -a "^$today," "$work/week.hf" | tr -d "\r" || true)"
count="$(grep -ao '"NumberOfComments"=dword:[0-9a-f]*' "$store" || true)"
echo "data file: ${line:-(no line for today)}"
echo "settings: ${count:-(no NumberOfComments)}"
status=0
if [ "$line" != "$today,8:30" ]; then
    echo "FAIL: today's Arrive should be 8:30 and nothing else" >&2
    status=1
fi
if [ "$count" != '"NumberOfComments"=dword:0000002d' ]; then
    echo "FAIL: the number of comments should be 45" >&2
    status=1
fi
[ $status -eq 0 ] || cat "$work/program.log" >&2
exit $status
