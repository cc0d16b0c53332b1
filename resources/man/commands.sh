#!/usr/bin/env bash
# Writes the COMMANDS section of the manual page, for help2man's --include:
# every command that 'hourframe --help' lists, with its own --help text.
#   commands.sh HOURFRAME > commands.h2m
set -euo pipefail
program="$1"
here="$(dirname "$0")"
echo "[COMMANDS]"
echo "A first argument that is exactly the name of a command runs that command instead of opening"
echo "the window. Each command takes its data file as FILE, or without it the file used last."
"$program" --help | sed -n '/^Commands:$/,/^$/s/^  \([a-z][a-z-]*\) .*/\1/p' | while read -r command; do
    "$program" "$command" --help | awk -f "$here/help-to-roff.awk"
done
