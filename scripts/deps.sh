#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing, benchmarking and
# looking at Hourframe need. Does nothing when every package is present.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev            # Qt 6 Core, Gui, Widgets, PrintSupport, Test
    libgl-dev               # looked for by Qt's CMake files
    fonts-dejavu-core       # the offscreen platform needs a font for text metrics
    libbenchmark-dev        # Google Benchmark, for bench/
    hyperfine strace        # whole-process benchmarks (bench/startup.sh, bench/cli.sh), their flush counts
    xvfb xauth xdotool imagemagick  # running the real window headless and taking screenshots
    twm                     # a window manager that frames the real window in the window-position test
    shared-mime-info desktop-file-utils xdg-utils  # the data-file association
    libglib2.0-bin          # gio: how xdg-mime reads a file's type on most desktops (association tests)
    librsvg2-bin            # rsvg-convert: the PNG icons in the usual sizes, from the SVG icons
    appstream dpkg-dev      # checking the installed metadata; the Debian package's dependencies
    python3                 # the tests read exports back with its csv module; benchmark summaries
    poppler-utils           # pdftotext, for reading printed and saved reports back in tests
    git                     # the test of `hourframe merge` as git's merge driver, in a real repository
    clang libclang-rt-14-dev  # the sanitizer build and libFuzzer (scripts/test.sh --sanitize)
    llvm                    # llvm-symbolizer: source lines in sanitizer reports
)

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
