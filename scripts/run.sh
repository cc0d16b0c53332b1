#!/usr/bin/env bash
# Installs what building and running need, builds a release build of Hourframe
# and starts it. Usage: scripts/run.sh [FILE.hf | COMMAND ...]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"
build="$root/build/release"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DHOURFRAME_BUILD_TESTS=OFF -DHOURFRAME_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build"
exec "$build/bin/hourframe" "$@"
