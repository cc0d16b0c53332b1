#!/usr/bin/env bash
# Installs what is needed, builds everything with warnings as errors and runs
# every test through ctest on the offscreen platform.
#
#   scripts/test.sh                 the normal build, in build/test
#   scripts/test.sh --sanitize      a clang build with AddressSanitizer and UndefinedBehaviorSanitizer
#                                   (no recovery: the first fault fails), in build/sanitize: every test,
#                                   every fuzz seed, then each fuzz target for FUZZ_SECONDS (default 20)
#   scripts/test.sh --fuzz SECONDS  the same build; each fuzz target for SECONDS seconds, no tests
#
# The fuzz targets keep what they find in build/sanitize/fuzz: new inputs in corpus/<target>, and
# an input that failed in failures/ (replay it with build/sanitize/tests/fuzz/<target> FILE).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
export QT_QPA_PLATFORM=offscreen

mode="${1:-}"
if [ -z "$mode" ]; then
    "$root/scripts/deps.sh" --tests
    build="$root/build/test"
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DHOURFRAME_WERROR=ON
    cmake --build "$build"
    ctest --test-dir "$build" --output-on-failure
    exit 0
fi

case "$mode" in
--sanitize) seconds="${FUZZ_SECONDS:-20}" ;;
--fuzz) seconds="${2:?usage: scripts/test.sh --fuzz SECONDS}" ;;
*)
    echo "usage: scripts/test.sh [--sanitize | --fuzz SECONDS]" >&2
    exit 2
    ;;
esac

"$root/scripts/deps.sh" --sanitize
build="$root/build/sanitize"
# -O1 keeps the fuzz targets quick; assertions stay on.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" \
    -DCMAKE_CXX_COMPILER=clang++ -DHOURFRAME_WERROR=ON -DHOURFRAME_SANITIZE=ON -DHOURFRAME_BUILD_FUZZERS=ON \
    -DHOURFRAME_BUILD_BENCHMARKS=OFF
cmake --build "$build"

export ASAN_OPTIONS="detect_leaks=1:detect_stack_use_after_return=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/tests/sanitize/lsan.supp:print_suppressions=0"
if [ "$mode" = --sanitize ]; then
    ctest --test-dir "$build" --output-on-failure
fi

fuzz="$build/fuzz"
mkdir -p "$fuzz/failures"
# Every target runs, also after one has failed; the run fails at the end.
failed=()
for target in "$root"/tests/fuzz/corpus/*/; do
    target="$(basename "$target")"
    mkdir -p "$fuzz/corpus/$target"
    echo "Fuzzing $target for $seconds s"
    # New inputs go to the first folder; the seeds in the repository are only read.
    if ! "$build/tests/fuzz/$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$fuzz/failures/$target-" "$fuzz/corpus/$target" "$root/tests/fuzz/corpus/$target"; then
        failed+=("$target")
    fi
done
if [ "${#failed[@]}" -gt 0 ]; then
    echo "Fuzz targets that failed: ${failed[*]} (inputs in $fuzz/failures)" >&2
    exit 1
fi
