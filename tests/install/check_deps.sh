#!/usr/bin/env bash
# scripts/run.sh on a machine with only the base packages: it asks apt for the
# build-and-run set and nothing more, then builds and starts the program.
# Stand-ins for dpkg-query (nothing is installed), sudo, apt-get (noted) and
# cmake (a build that gives a program which says how it was started) keep the
# machine and the source tree as they are.
#   check_deps.sh SOURCE
set -euo pipefail
source="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

mkdir -p "$work/tree" "$work/bin"
cp -r "$source/scripts" "$work/tree/"
stand_in() { printf '#!/bin/sh\n%s\n' "$2" >"$work/bin/$1"; chmod +x "$work/bin/$1"; }
stand_in dpkg-query 'exit 1'
stand_in sudo 'exec "$@"'
stand_in apt-get "echo \"\$*\" >>'$work/apt'"
stand_in program 'echo started "$@"'
stand_in cmake "[ \"\$1\" = --build ] || exit 0
mkdir -p \"\$2/bin\" && cp '$work/bin/program' \"\$2/bin/hourframe\""

started="$(PATH="$work/bin:$PATH" bash "$work/tree/scripts/run.sh" week.hf)"
grep -qx 'started week.hf' <<<"$started" || fail "run.sh did not start the program: $started"
wanted="install -y -qq --no-install-recommends cmake ninja-build g++ qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-svg-dev librsvg2-bin help2man libical-dev pkgconf"
[ "$(tail -n 1 "$work/apt")" = "$wanted" ] || fail "run.sh asked apt-get for: $(cat "$work/apt")"
# Each larger set holds the one before.
build="$(bash "$source/scripts/deps.sh" --list)"
tests="$(bash "$source/scripts/deps.sh" --tests --list)"
all="$(bash "$source/scripts/deps.sh" --sanitize --list)"
[ "$(head -n "$(wc -l <<<"$build")" <<<"$tests")" = "$build" ] || fail "--tests leaves out the build set"
[ "$(head -n "$(wc -l <<<"$tests")" <<<"$all")" = "$tests" ] || fail "--sanitize leaves out the test set"
