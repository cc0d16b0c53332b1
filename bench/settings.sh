#!/usr/bin/env bash
# Preferences OK against the least it can cost, one flushed replace of the
# same settings file, and the flushes (fsync, fdatasync) of one OK.
#   bench/settings.sh [BUILD]   BUILD: a Release build folder, default build/release
# With HOURFRAME_BENCH_QUICK set (the test suite) everything runs once.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bench="${1:-$root/build/release}/bench"
export QT_QPA_PLATFORM=offscreen
repetitions=(--benchmark_repetitions=7) rounds=201
if [ -n "${HOURFRAME_BENCH_QUICK:-}" ]; then
    repetitions=(--benchmark_min_time=0) rounds=1
fi
"$bench/bench_settings" "${repetitions[@]}" --benchmark_report_aggregates_only=true 2>/dev/null
"$bench/bench_settings" --side-by-side "$rounds" 2>/dev/null
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
strace -f -qq -e trace=fsync,fdatasync -o "$log" "$bench/bench_settings" --one-ok 2>/dev/null
echo "Flushes of one Preferences OK: $(grep -cE 'fsync|fdatasync' "$log" || true)"
