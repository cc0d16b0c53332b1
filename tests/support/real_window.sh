# Sourced by the tests that run the real window on Xvfb: checks their tools,
# gives them a temporary home and settings, and the environment the window
# program needs there.
#
#   real_window_setup TOOL...     skips the test (status 77) when a tool is
#                                 missing; sets $work, removed on exit
#   real_window_settings LINE...  the settings file $store with these value lines
#   real_window_twm_fonts         twm's fonts for $work/twmrc: its default ones
#                                 are not on a bare X server, its built-in "fixed" is

real_window_setup() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
    done
    work="$(mktemp -d)"
    trap 'rm -rf "$work"' EXIT
    export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" LANG=C.UTF-8 LANGUAGE=
    unset QT_QPA_PLATFORM
    # libxkbcommon-x11 hands strndup names that are not NUL-terminated, which
    # is allowed; ASan's strict string checks would stop the sanitizer build there.
    export ASAN_OPTIONS="${ASAN_OPTIONS:-}:strict_string_checks=0"
}

real_window_settings() {
    store="$XDG_CONFIG_HOME/Orvane Software/Hourframe.reg"
    mkdir -p "$(dirname "$store")"
    printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
        '[HKEY_CURRENT_USER\Software\Orvane Software\Hourframe]' "$@" >"$store"
}

real_window_twm_fonts() {
    local font
    for font in TitleFont ResizeFont MenuFont IconFont IconManagerFont; do echo "$font \"fixed\""; done
}
