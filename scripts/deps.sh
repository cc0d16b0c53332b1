#!/usr/bin/env bash
# Installs the Debian 12 packages that Hourframe needs, in three sets, each on
# top of the one before; does nothing when every package is present.
#
#   scripts/deps.sh             building and running (what scripts/run.sh installs)
#   scripts/deps.sh --tests     and the tests, benchmarks and screenshots (scripts/test.sh)
#   scripts/deps.sh --sanitize  and the sanitizer and fuzz runs (scripts/test.sh --sanitize)
#
# With --list as well, prints the set's packages instead of installing them.
set -euo pipefail

build_and_run=(
    cmake ninja-build g++
    qt6-base-dev            # Qt 6 Core, Gui, Widgets, PrintSupport, Test and the platform plugins
    qt6-charts-dev          # Qt Charts: the chart window and `hourframe chart`
    libqt6opengl6-dev       # Qt OpenGL's CMake files, which Qt Charts' CMake files ask for
    qt6-svg-dev             # Qt SVG: saving the chart as SVG
    librsvg2-bin            # rsvg-convert: the PNG icons in the usual sizes, from the SVG icons
    help2man                # the manual page, from the --help texts
    libical-dev pkgconf     # libical reads the public-holiday calendars (.ics); CMake finds it with pkg-config
)
tests=(
    fonts-dejavu-core       # the offscreen platform needs a font for text metrics
    libbenchmark-dev        # Google Benchmark, for bench/
    hyperfine strace        # whole-process benchmarks (bench/startup.sh, bench/cli.sh), their flush counts
    xvfb xauth xdotool imagemagick  # running the real window headless and taking screenshots
    twm                     # a window manager that frames the real window in the window-position test
    shared-mime-info desktop-file-utils xdg-utils  # the data-file association
    libglib2.0-bin          # gio: how xdg-mime reads a file's type on most desktops (association tests)
    appstream dpkg-dev file # checking the installed metadata; the Debian package's dependencies
    lintian                 # checking the Debian package
    man-db                  # man -l: the manual page renders
    bash-completion zsh fish  # the shell completion, as each shell loads it
    python3                 # the tests read exports and --json back with its csv and json modules; benchmark summaries
    poppler-utils           # pdftotext, for reading printed and saved reports back in tests
    git                     # the test of `hourframe merge` as git's merge driver, in a real repository
)
sanitize=(
    clang libclang-rt-14-dev  # the sanitizer build and libFuzzer (scripts/test.sh --sanitize)
    llvm                    # llvm-symbolizer: source lines in sanitizer reports
)

packages=("${build_and_run[@]}")
list=false
for option in "$@"; do
    case "$option" in
    --tests) packages+=("${tests[@]}") ;;
    --sanitize) packages+=("${tests[@]}" "${sanitize[@]}") ;;
    --list) list=true ;;
    *)
        echo "usage: scripts/deps.sh [--tests | --sanitize] [--list]" >&2
        exit 2
        ;;
    esac
done
if $list; then
    printf '%s\n' "${packages[@]}"
    exit 0
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
