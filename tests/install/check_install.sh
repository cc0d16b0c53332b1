#!/usr/bin/env bash
# Checks what installing gives, as the desktop, the shells and the package
# tools see it.
#   check_install.sh BUILD tree   cmake --install into a temporary prefix; the
#                                 desktop entry, the metadata, the file type,
#                                 the icons, the manuals, the shell completion
#   check_install.sh BUILD deb [BUILD_TYPE]
#                                 cpack -G DEB; the package's contents, and
#                                 lintian (hardening is checked only in a
#                                 Release build, the only one that has it)
set -euo pipefail
build="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
id=com.orvanesoftware.Hourframe

fail() { echo "FAIL: $*" >&2; exit 1; }

# Every file a desktop, a shell or man looks for, relative to the prefix.
expected=(
    bin/hourframe
    libexec/hourframe/hourframe-window
    share/applications/$id.desktop
    share/metainfo/$id.metainfo.xml
    share/mime/packages/$id.xml
    share/hourframe/help/index.html
    share/icons/hicolor/scalable/apps/$id.svg
    share/icons/hicolor/scalable/mimetypes/application-x-hourframe.svg
    share/man/man1/hourframe.1.gz
    share/bash-completion/completions/hourframe
    share/fish/vendor_completions.d/hourframe.fish
    share/doc/hourframe/copyright
    share/doc/hourframe/changelog.gz
)
for size in 16 22 24 32 48 64 128 256; do
    expected+=(share/icons/hicolor/${size}x${size}/apps/$id.png
        share/icons/hicolor/${size}x${size}/mimetypes/application-x-hourframe.png)
done

# The manual page renders without a warning and has a part for every command.
check_manual_page() {
    local page="$1" program="$2" text
    text="$(MANWIDTH=80 man --warnings -l "$page" 2>"$work/man-warnings")"
    [ ! -s "$work/man-warnings" ] || fail "man -l $page: $(cat "$work/man-warnings")"
    grep -q '^ *hourframe - weekly time card' <<<"$text" || fail "the manual page has no NAME"
    for command in $("$program" --help | sed -n '/^Commands:$/,/^$/s/^  \([a-z-]*\) .*/\1/p'); do
        grep -q "^ *hourframe $command \[options\]" <<<"$text" || fail "the manual page leaves out $command"
    done
}

# bash completes commands, options, periods, settings and data files, as a
# user's TAB would, with the completion and the program installed.
check_bash_completion() {
    local prefix="$1"
    mkdir -p "$work/files/folder"
    touch "$work/files/week.hf" "$work/files/notes.txt"
    (
        # bash-completion is written for interactive shells, not for set -eu.
        set +euo pipefail
        cd "$work/files" || exit 1
        PATH="$prefix/bin:$PATH"
        # shellcheck disable=SC1091
        source /usr/share/bash-completion/bash_completion
        # shellcheck disable=SC1091
        source "$prefix/share/bash-completion/completions/hourframe"
        [ "$(complete -p hourframe)" = "complete -F _hourframe hourframe" ] || fail "complete -p: $(complete -p hourframe)"
        expect() {
            local line="$1" wanted="$2"
            COMP_LINE="$line" COMP_POINT=${#line}
            read -ra COMP_WORDS <<<"$line"
            [[ $line == *" " ]] && COMP_WORDS+=("")
            COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
            _hourframe hourframe "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
            [ "$(printf '%s\n' "${COMPREPLY[@]}" | sort | xargs)" = "$wanted" ] ||
                fail "bash completes '$line' with '${COMPREPLY[*]}', not '$wanted'"
        }
        expect "hourframe rep" "report"
        expect "hourframe report --per" "--period"
        expect "hourframe report --period this-" "this-month this-week this-year"
        expect "hourframe week --set Thu" "ThursdayTarget= ThusdayTarget="
        # Past the "=" nothing is offered: readline would put it after the "=" again.
        expect "hourframe week --set FirstDayOfWeek=" ""
        expect "hourframe punch " "in out"
        expect "hourframe punch in " "folder week.hf"
        expect "hourframe merge week.hf week.hf " "folder week.hf"
        expect "hourframe merge --into " "folder week.hf"
    )
}

case "$2" in
tree)
    prefix="$work/usr"
    cmake --install "$build" --prefix "$prefix" >/dev/null
    for file in "${expected[@]}"; do
        [ -f "$prefix/$file" ] || fail "not installed: $file"
    done
    # The installed command line runs, without the window's libraries.
    "$prefix/bin/hourframe" --version | grep -q '^Hourframe ' || fail "hourframe --version does not run"
    # desktop-file-validate prints hints and warnings without failing on them.
    report="$(desktop-file-validate "$prefix/share/applications/$id.desktop")"
    [ -z "$report" ] || fail "desktop entry: $report"
    appstreamcli validate --no-net --strict "$prefix/share/metainfo/$id.metainfo.xml"
    update-mime-database "$prefix/share/mime"
    grep -qx 'application/x-hourframe' "$prefix/share/mime/types" || fail "file type not in the database"
    grep -q ':application/x-hourframe:\*\.hf$' "$prefix/share/mime/globs2" || fail "*.hf is not the data-file type"
    check_manual_page "$prefix/share/man/man1/hourframe.1.gz" "$prefix/bin/hourframe"
    check_bash_completion "$prefix"
    completed="$(cd "$work/files" && PATH="$prefix/bin:$PATH" fish --no-config -c \
        "source '$prefix/share/fish/vendor_completions.d/hourframe.fish'; complete -C 'hourframe rep'")"
    [ "$completed" = report ] || fail "fish completes 'hourframe rep' with '$completed'"
    # Where a data file goes, the data files and folders only, as in bash.
    completed="$(cd "$work/files" && PATH="$prefix/bin:$PATH" fish --no-config -c \
        "source '$prefix/share/fish/vendor_completions.d/hourframe.fish'; complete -C 'hourframe punch in '" | xargs)"
    [ "$completed" = "folder/ week.hf" ] || fail "fish completes 'hourframe punch in ' with '$completed'"
    # zsh: vendor-completions for a package's prefix, site-functions for /usr/local and others.
    zsh -n "$prefix/share/zsh/vendor-completions/_hourframe" || fail "the zsh completion does not parse"
    cmake --install "$build" --prefix "$work/local" >/dev/null
    [ -f "$work/local/share/zsh/site-functions/_hourframe" ] || fail "no zsh completion in site-functions"
    # Every page the manual links to is installed with it.
    manual="$prefix/share/hourframe/help"
    for page in "$manual"/*.html; do
        for link in $(grep -o 'href="[^"#:]*' "$page" | sed 's/^href="//'); do
            [ -f "$manual/$link" ] || fail "$(basename "$page") links to missing $link"
        done
    done
    ;;
deb)
    cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >/dev/null
    deb=("$work"/hourframe_*_*.deb)
    [ -f "${deb[0]}" ] || fail "no package"
    contents="$(dpkg-deb -c "${deb[0]}")"
    echo "$contents"
    for file in "${expected[@]}"; do
        grep -q " \./usr/$file\$" <<<"$contents" || fail "not in the package: /usr/$file"
    done
    grep -q " \./usr/share/zsh/vendor-completions/_hourframe\$" <<<"$contents" ||
        fail "not in the package: the zsh completion in vendor-completions"
    for library in libqt6widgets6 libqt6charts6 libqt6svg6 libical3; do
        dpkg-deb -f "${deb[0]}" Depends | grep -q "$library" || fail "the package does not depend on $library"
    done
    dpkg-deb -f "${deb[0]}" Recommends | grep -q qt6-translations-l10n ||
        fail "the package does not recommend qt6-translations-l10n, Qt's own texts in the user's language"
    # Every error and warning fails, and so does any other tag not named here:
    #   package-contains-documentation-outside-usr-share-doc  the HTML manual that
    #       Help opens: a program must not need /usr/share/doc, which may be left out
    #   binary-has-unneeded-section  .comment: cpack strips without removing it
    #   hardening-no-fortify-functions on the window program: it is compiled with
    #       _FORTIFY_SOURCE=2 like the rest, but each of its calls to a function glibc can
    #       check (memcpy, memmove, memset, read) writes to a buffer whose size is unknown at
    #       compile time, or proved large enough there, so it links no __*_chk function for
    #       lintian to see. The launcher calls fprintf, which is checked, and must not get it.
    #   hardening-no-bindnow, hardening-no-fortify-functions  in builds other than
    #       Release, which alone get the hardening flags
    allowed='package-contains-documentation-outside-usr-share-doc|binary-has-unneeded-section'
    allowed="$allowed|hardening-no-fortify-functions \\[usr/libexec/hourframe/hourframe-window\\]"
    [ "${3:-}" = Release ] || allowed="$allowed|hardening-no-bindnow|hardening-no-fortify-functions"
    report="$(lintian --display-info --pedantic --fail-on none "${deb[0]}" 2>/dev/null)"
    echo "$report"
    unexpected="$(grep -vE "^[A-Z]: hourframe: ($allowed)( |\$)" <<<"$report" || true)"
    [ -z "$unexpected" ] || fail "lintian: $unexpected"
    ;;
*)
    fail "unknown check $2"
    ;;
esac
