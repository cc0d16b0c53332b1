#!/usr/bin/env bash
# Times whole runs of `hourframe check --rules de` over a realistic 100-year
# data file against `hourframe balance --weeks` over the same file, which reads
# the same days and counts them week by week; the goal is at most 1.5 times.
#
#   bench/rules.sh [BUILD_FOLDER]     default build/release, configured here
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build/release}"
[ -f "$build/build.ninja" ] || cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DHOURFRAME_BUILD_TESTS=OFF >/dev/null
nice cmake --build "$build" --target hourframe hourframe_load_peak >/dev/null

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# Fixed regional settings and default settings; nothing of the user's is read.
export LC_ALL=en_GB.UTF-8 XDG_CONFIG_HOME="$work/config" HOURFRAME_NOW=2026-01-05T12:00:00
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

"$build/bench/hourframe_load_peak" --generate "$work/100y.hf" 26100 1926-01-01
hf="$build/bin/hourframe"
# check ends with status 3 when it finds a breach, which the realistic data may hold.
nice hyperfine -N -i --warmup 10 --min-runs 50 --export-csv "$work/times.csv" \
    "$hf balance $work/100y.hf --weeks" "$hf check $work/100y.hf --rules de" >/dev/null

awk -F, '
    NR == 1 { next }
    {
        name = $1; gsub(/[^ ]*\//, "", name); gsub(/"/, "", name)
        mean[NR - 1] = $2 * 1000
        printf "%-40s %7.2f ms +- %5.2f\n", name, $2 * 1000, $3 * 1000
    }
    END { printf "\ncheck: %.2fx balance --weeks\n", mean[2] / mean[1] }' "$work/times.csv"
