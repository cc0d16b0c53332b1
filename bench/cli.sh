#!/usr/bin/env bash
# Times whole runs of `hourframe report` and `hourframe export` over the whole
# period of realistic 10-year and 100-year data files, with hyperfine in one
# run, against two floors: a minimal program that only reads the file with
# std::getline and cuts it at commas, and `cat FILE` (output to /dev/null).
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
    nice cmake --build "$build" --target hourframe hourframe_load_peak getline_floor >/dev/null
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
ls -l "$work"/*.hf | awk '{ print $5, $9 }'

hf="$build/bin/hourframe"
floor="$build/bench/getline_floor"
commands=()
for years in $sizes; do
    file="$work/${years}y.hf"
    first=$((2026 - years))-01-01
    commands+=("cat $file" "$floor $file"
        "$hf report $file --from $first --to 2025-12-31"
        "$hf export $file --from $first --to 2025-12-31")
done

nice hyperfine -N "${runs[@]}" --export-csv "$work/times.csv" "${commands[@]}" >/dev/null

# Mean and standard deviation per command, then the ratios the goals are set in.
awk -F, -v floor="$floor" '
    NR == 1 { next }
    {
        name = $1; gsub(/[^ ]*\//, "", name); gsub(/"/, "", name)
        mean[NR - 1] = $2 * 1000; sd[NR - 1] = $3 * 1000
        printf "%-62s %7.2f ms +- %5.2f\n", name, mean[NR - 1], sd[NR - 1]
    }
    END {
        printf "\n10 years:  report %.1fx, export %.1fx the getline floor\n", mean[3] / mean[2], mean[4] / mean[2]
        if (NR > 5) printf "100 years: report %.1fx, export %.1fx the 10-year run\n", mean[7] / mean[3], mean[8] / mean[4]
    }' "$work/times.csv"
