#!/usr/bin/env bash
# Start-up to the first painted week, as a whole process, against the floor
# program (a bare window of 40 line edits that ends after its first paint).
# Runs on the offscreen platform and on X (Xvfb), with 10-year, 100-year and
# 1,000,000-line data files, each run with a settings folder of its own:
#   fresh start   no settings yet, the data file named on the command line
#   second start  the settings a fresh start left, which reopen the same file
# Then counts the flushes (fsync, fdatasync) of one run of each with strace.
#
#   bench/startup.sh [BUILD]   BUILD: a Release build folder, default build/release
# RUNS (default 11) sets the timed runs per command; hyperfine's results go to
# BUILD/startup-<platform>.json, and a table of medians is printed.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build/release}" && pwd)"
bench="$build/bench"
runs="${RUNS:-11}"

if [ "${2:-}" != "--inside-x" ]; then
    for program in hourframe_startup startup_floor hourframe_load_peak; do
        [ -x "$bench/$program" ] || { echo "missing $bench/$program: build $build first" >&2; exit 2; }
    done
    work="$(mktemp -d)"
    trap 'rm -rf "$work"' EXIT
    export HOURFRAME_BENCH_WORK="$work"
    echo "Generating data files in $work"
    "$bench/hourframe_load_peak" --generate "$work/10-years.hf" 2610
    "$bench/hourframe_load_peak" --generate "$work/100-years.hf" 26100
    "$bench/hourframe_load_peak" --generate "$work/1000000-lines.hf" 1000000
    for data in 10-years 100-years 1000000-lines; do
        # What a first start with this file leaves behind.
        mkdir -p "$work/settings-after-$data"
        XDG_CONFIG_HOME="$work/settings-after-$data" QT_QPA_PLATFORM=offscreen \
            "$bench/hourframe_startup" "$work/$data.hf" 2>/dev/null
    done
    QT_QPA_PLATFORM=offscreen bash "$0" "$build" --inside-x offscreen
    xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$build" --inside-x xcb
    exit 0
fi

platform="$3"
work="$HOURFRAME_BENCH_WORK"
export QT_QPA_PLATFORM="$platform"
config="$work/config"
fresh="rm -rf $config && mkdir -p $config"

commands=(--command-name "floor" --prepare "$fresh" "$bench/startup_floor")
for data in 10-years 100-years 1000000-lines; do
    commands+=(--command-name "fresh start, $data" --prepare "$fresh"
        "XDG_CONFIG_HOME=$config $bench/hourframe_startup $work/$data.hf")
    commands+=(--command-name "second start, $data"
        --prepare "rm -rf $config && cp -r $work/settings-after-$data $config"
        "XDG_CONFIG_HOME=$config $bench/hourframe_startup")
done

echo
echo "== $platform =="
hyperfine --warmup 2 --runs "$runs" --export-json "$build/startup-$platform.json" "${commands[@]}"

echo
echo "Medians of the wall time, and the processor time (user + system, mean), $platform:"
python3 - "$build/startup-$platform.json" <<'SUMMARY'
import json, sys
results = json.load(open(sys.argv[1]))["results"]
wall, cpu = results[0]["median"], results[0]["user"] + results[0]["system"]
for r in results:
    rcpu = r["user"] + r["system"]
    print(f"  {r['command']:<28} {r['median'] * 1000:7.1f} ms {r['median'] / wall:5.2f}x"
          f"   cpu {rcpu * 1000:6.1f} ms {rcpu / cpu:5.2f}x")
SUMMARY

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
