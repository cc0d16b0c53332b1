#!/usr/bin/env bash
# Times whole runs of `hourframe report` and `hourframe export` over the whole
# period of realistic 10-year and 100-year data files, with hyperfine in one
# run, against two floors: a minimal program that only reads the file with
# std::getline and cuts it at commas, and `cat FILE` (output to /dev/null).
# Then `hourframe balance --weeks` on the 100-year file and on the same file
# with its last line moved to the top, which must cost no more.
#
#   bench/cli.sh [BUILD_FOLDER]     default build/release, configured here
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build/release}"
[ -f "$build/build.ninja" ] || cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DHOURFRAME_BUILD_TESTS=OFF >/dev/null
nice cmake --build "$build" --target hourframe hourframe_load_peak getline_floor >/dev/null

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# Fixed regional settings and default settings; nothing of the user's is read.
export LC_ALL=en_GB.UTF-8 XDG_CONFIG_HOME="$work/config"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

# 261 working days a year, up to the end of 2025.
"$build/bench/hourframe_load_peak" --generate "$work/10y.hf" 2610 2016-01-01
"$build/bench/hourframe_load_peak" --generate "$work/100y.hf" 26100 1926-01-01
{ tail -n 1 "$work/100y.hf"; head -n -1 "$work/100y.hf"; } > "$work/100y-unsorted.hf"
ls -l "$work"/*.hf | awk '{ print $5, $9 }'

hf="$build/bin/hourframe"
floor="$build/bench/getline_floor"
commands=()
for years in 10 100; do
    file="$work/${years}y.hf"
    first=$((2026 - years))-01-01
    commands+=("cat $file" "$floor $file"
        "$hf report $file --from $first --to 2025-12-31"
        "$hf export $file --from $first --to 2025-12-31")
done
commands+=("$hf balance $work/100y.hf --weeks --as-of 2025-12-31"
    "$hf balance $work/100y-unsorted.hf --weeks --as-of 2025-12-31")

nice hyperfine -N --warmup 10 --min-runs 50 --export-csv "$work/times.csv" "${commands[@]}" >/dev/null

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
        printf "100 years: report %.1fx, export %.1fx the 10-year run\n", mean[7] / mean[3], mean[8] / mean[4]
        printf "balance --weeks, one line out of order: %.2fx the sorted file\n", mean[10] / mean[9]
    }' "$work/times.csv"
