#!/usr/bin/env bash
# Times whole runs of `hourframe report` and `hourframe export` over the whole
# period of realistic 10-year and 100-year data files, with hyperfine in one
# run, against two floors: a minimal program that only reads the file with
# std::getline and cuts it at commas, and `cat FILE` (output to /dev/null);
# and, to show what every command pays before its work, a program that only
# starts QtCore (qtcore_floor) and `hourframe --version`. Then `hourframe
# balance --weeks` on the largest file and on the same file with its last line
# moved to the top, which must cost no more.
#
#   bench/cli.sh [BUILD_FOLDER]     default build/release, configured here
# With HOURFRAME_BENCH_QUICK set (the test suite) the build folder is taken as
# it is and every command runs once.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build/release}"
runs=(--warmup 10 --min-runs 50) sizes="10 100"
if [ -n "${HOURFRAME_BENCH_QUICK:-}" ]; then
    runs=(--warmup 0 --runs 1) sizes=10
else
    [ -f "$build/build.ninja" ] || cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DHOURFRAME_BUILD_TESTS=OFF >/dev/null
    nice cmake --build "$build" --target hourframe hourframe_load_peak getline_floor qtcore_floor \
        >/dev/null
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# Fixed regional settings and default settings; nothing of the user's is read.
export LC_ALL=en_GB.UTF-8 XDG_CONFIG_HOME="$work/config"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

# 261 working days a year, up to the end of 2025.
for years in $sizes; do
    "$build/bench/hourframe_load_peak" --generate "$work/${years}y.hf" $((261 * years)) $((2026 - years))-01-01
done
largest="${sizes##* }y"
{ tail -n 1 "$work/$largest.hf"; head -n -1 "$work/$largest.hf"; } > "$work/$largest-unsorted.hf"
ls -l "$work"/*.hf | awk '{ print $5, $9 }'

hf="$build/bin/hourframe"
commands=(-n "QtCore floor" "$build/bench/qtcore_floor" -n "hourframe --version" "$hf --version")
for years in $sizes; do
    file="$work/${years}y.hf"
    period="--from $((2026 - years))-01-01 --to 2025-12-31"
    commands+=(-n "cat ${years}y" "cat $file" -n "getline floor ${years}y" "$build/bench/getline_floor $file"
        -n "report ${years}y" "$hf report $file $period" -n "export ${years}y" "$hf export $file $period")
done
commands+=(-n "balance sorted" "$hf balance $work/$largest.hf --weeks --as-of 2025-12-31"
    -n "balance unsorted" "$hf balance $work/$largest-unsorted.hf --weeks --as-of 2025-12-31")

# At the ordinary priority: a benchmark run niced on a busy machine waits for
# the processor in proportion to what it needs, which would widen every ratio.
hyperfine -N "${runs[@]}" --export-csv "$work/times.csv" "${commands[@]}" >/dev/null

# Mean and standard deviation per command and its processor time (user and
# system, which other work on the machine sways less than the wall time),
# then the ratios the goals are set in.
awk -F, '
    NR == 1 { next }
    {
        mean[$1] = $2 * 1000; cpu[$1] = ($5 + $6) * 1000
        printf "%-22s %7.2f ms +- %5.2f, processor %6.2f ms\n", $1, mean[$1], $3 * 1000, cpu[$1]
    }
    END {
        floor = "getline floor 10y"
        printf "\n10 years:  report %.1fx, export %.1fx the getline floor (processor time %.1fx, %.1fx)\n",
            mean["report 10y"] / mean[floor], mean["export 10y"] / mean[floor],
            cpu["report 10y"] / cpu[floor], cpu["export 10y"] / cpu[floor]
        if ("report 100y" in mean)
            printf "100 years: report %.1fx, export %.1fx the 10-year run\n",
                mean["report 100y"] / mean["report 10y"], mean["export 100y"] / mean["export 10y"]
        printf "balance --weeks, one line out of order: %.2fx the sorted file\n",
            mean["balance unsorted"] / mean["balance sorted"]
    }' "$work/times.csv"
