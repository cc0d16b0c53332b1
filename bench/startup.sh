#!/usr/bin/env bash
# Start-up to the first painted week, as a whole process, against the floor
# program (a bare window of 40 line edits that ends after its first paint).
# Runs on the offscreen platform and on X (Xvfb), with 10-year, 100-year and
# 1,000,000-line data files, each run with a settings folder of its own:
#   fresh start   no settings yet, the data file named on the command line
#   second start  the settings a fresh start left, which reopen the same file
# The second start with the 10-year file runs again with a public-holiday
# calendar of 30 years (360 single holidays and 4 yearly rules), with the
# Balance row shown, and with both, to compare with the same start without.
# Then counts the flushes (fsync, fdatasync) of one run of each with strace.
#
#   bench/startup.sh [BUILD]   BUILD: a Release build folder, default build/release
# RUNS (default 11) sets the timed runs per command; hyperfine's results go to
# BUILD/startup-<platform>.json, and a table of medians is printed.
# With HOURFRAME_BENCH_QUICK set (the test suite) each command runs once, with
# the 10-year file only and offscreen only: that shows the script still works.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build/release}" && pwd)"
bench="$build/bench"
runs="${RUNS:-11}"
warmup=2
sizes="10-years 100-years 1000000-lines"
if [ -n "${HOURFRAME_BENCH_QUICK:-}" ]; then
    runs=1 warmup=0 sizes=10-years
fi

if [ "${2:-}" != "--inside-x" ]; then
    for program in hourframe_startup startup_floor hourframe_load_peak; do
        [ -x "$bench/$program" ] || { echo "missing $bench/$program: build $build first" >&2; exit 2; }
    done
    work="$(mktemp -d)"
    trap 'rm -rf "$work"' EXIT
    export HOURFRAME_BENCH_WORK="$work"
    echo "Generating data files in $work"
    for data in $sizes; do
        case "$data" in 10-years) lines=2610 ;; 100-years) lines=26100 ;; *) lines=1000000 ;; esac
        "$bench/hourframe_load_peak" --generate "$work/$data.hf" "$lines"
    done
    for data in $sizes; do
        # What a first start with this file leaves behind.
        mkdir -p "$work/settings-after-$data"
        XDG_CONFIG_HOME="$work/settings-after-$data" QT_QPA_PLATFORM=offscreen \
            "$bench/hourframe_startup" "$work/$data.hf" 2>/dev/null
    done
    python3 - "$work/30-years.ics" <<'CALENDAR'
import datetime, sys
lines = ["BEGIN:VCALENDAR", "VERSION:2.0", "PRODID:-//bench//holidays//EN", "X-WR-CALNAME:30 years"]
first = datetime.date.today().year - 25
for year in range(first, first + 30):
    for month, day in [(1, 1), (1, 6), (3, 19), (4, 18), (4, 21), (5, 1), (5, 29), (6, 9), (8, 15),
                       (10, 3), (11, 1), (12, 26)]:
        date = f"{year}{month:02}{day:02}"
        lines += ["BEGIN:VEVENT", f"UID:{date}@bench.example", "DTSTAMP:20240101T000000Z",
                  f"DTSTART;VALUE=DATE:{date}", f"SUMMARY:Holiday of {date}", "TRANSP:TRANSPARENT",
                  "END:VEVENT"]
for uid, rule in [("mlk", "BYMONTH=1;BYDAY=3MO"), ("memorial", "BYMONTH=5;BYDAY=-1MO"),
                  ("labor", "BYMONTH=9;BYDAY=1MO"), ("xmas", "BYMONTH=12;BYMONTHDAY=25")]:
    lines += ["BEGIN:VEVENT", f"UID:{uid}@bench.example", f"DTSTART;VALUE=DATE:{first}0101",
              f"RRULE:FREQ=YEARLY;{rule}", f"SUMMARY:{uid}", "END:VEVENT"]
lines.append("END:VCALENDAR")
open(sys.argv[1], "w", newline="").write("\r\n".join(lines) + "\r\n")
CALENDAR
    # The settings of the second start with the 10-year file, and those with
    # the calendar, the Balance row or both.
    after="$work/settings-after-10-years"
    for variant in calendar balance balance-calendar; do
        cp -r "$after" "$after-$variant"
        reg="$(find "$after-$variant" -name Hourframe.reg)"
        case "$variant" in *calendar*) printf '"HolidayCalendar"="%s"\r\n' "$work/30-years.ics" >>"$reg" ;; esac
        case "$variant" in *balance*) printf '"ShowBalance"=dword:00000001\r\n' >>"$reg" ;; esac
    done
    QT_QPA_PLATFORM=offscreen bash "$0" "$build" --inside-x offscreen
    [ -n "${HOURFRAME_BENCH_QUICK:-}" ] ||
        xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$build" --inside-x xcb
    exit 0
fi

platform="$3"
work="$HOURFRAME_BENCH_WORK"
export QT_QPA_PLATFORM="$platform"
config="$work/config"
fresh="rm -rf $config && mkdir -p $config"

commands=(--command-name "floor" --prepare "$fresh" "$bench/startup_floor")
for data in $sizes; do
    commands+=(--command-name "fresh start, $data" --prepare "$fresh"
        "XDG_CONFIG_HOME=$config $bench/hourframe_startup $work/$data.hf")
    commands+=(--command-name "second start, $data"
        --prepare "rm -rf $config && cp -r $work/settings-after-$data $config"
        "XDG_CONFIG_HOME=$config $bench/hourframe_startup")
done
for variant in calendar balance balance-calendar; do
    commands+=(--command-name "second start, 10-years, $variant"
        --prepare "rm -rf $config && cp -r $work/settings-after-10-years-$variant $config"
        "XDG_CONFIG_HOME=$config $bench/hourframe_startup")
done

echo
echo "== $platform =="
hyperfine --warmup "$warmup" --runs "$runs" --export-json "$build/startup-$platform.json" "${commands[@]}"

echo
echo "Medians of the wall time, and the processor time (user + system, mean), $platform:"
python3 - "$build/startup-$platform.json" <<'SUMMARY'
import json, sys
results = json.load(open(sys.argv[1]))["results"]
wall, cpu = results[0]["median"], results[0]["user"] + results[0]["system"]
for r in results:
    rcpu = r["user"] + r["system"]
    print(f"  {r['command']:<40} {r['median'] * 1000:7.1f} ms {r['median'] / wall:5.2f}x"
          f"   cpu {rcpu * 1000:6.1f} ms {rcpu / cpu:5.2f}x")
SUMMARY

echo
echo "Processor time to the first painted week (the probe's own count), median of $runs runs"
echo "each, the second starts with the 10-year file taken in turns, $platform:"
painted="$work/painted.txt"
: >"$painted"
for _ in $(seq "$runs"); do
    for variant in "" -calendar -balance -balance-calendar; do
        rm -rf "$config" && cp -r "$work/settings-after-10-years$variant" "$config"
        XDG_CONFIG_HOME="$config" "$bench/hourframe_startup" 2>&1 >/dev/null \
            | sed -n "s/.*week painted after \([0-9.]*\) ms.*/${variant:-plain} \1/p" >>"$painted"
    done
done
python3 - "$painted" <<'PAINTED'
import statistics, sys
times = {}
for line in open(sys.argv[1]):
    name, ms = line.split()
    times.setdefault(name, []).append(float(ms))
plain = statistics.median(times["plain"])
for name, values in times.items():
    median = statistics.median(values)
    print(f"  second start, 10-years{'' if name == 'plain' else ', ' + name[1:]:<20} {median:6.1f} ms {median / plain:5.2f}x")
PAINTED

echo
echo "Flushes (fsync, fdatasync) before the week was painted, and in the whole run, $platform:"
count() {
    local trace="$work/strace.log"
    XDG_CONFIG_HOME="$config" strace -f -qq -e trace=fsync,fdatasync,write -o "$trace" "$@" 2>/dev/null
    echo "$(awk '/week painted/ { exit } /fsync|fdatasync/ { n++ } END { print n + 0 }' "$trace")" \
        "($(grep -cE 'fsync|fdatasync' "$trace" || true))"
}
for data in 10-years; do
    rm -rf "$config" && mkdir -p "$config"
    echo "  fresh start, $data: $(count "$bench/hourframe_startup" "$work/$data.hf")"
    rm -rf "$config" && cp -r "$work/settings-after-$data" "$config"
    echo "  second start, $data: $(count "$bench/hourframe_startup")"
done
