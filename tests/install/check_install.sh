#!/usr/bin/env bash
# Checks what installing gives, as the desktop and the package tools see it.
#   check_install.sh BUILD tree   cmake --install into a temporary prefix; the
#                                 desktop entry, the metadata, the file type,
#                                 the icons and the manual
#   check_install.sh BUILD deb    cpack -G DEB; the package's contents
set -euo pipefail
build="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
id=com.orvanesoftware.Hourframe

fail() { echo "FAIL: $*" >&2; exit 1; }

# Every file a desktop looks for, relative to the prefix.
expected=(
    bin/hourframe
    bin/hourframe-window
    share/applications/$id.desktop
    share/metainfo/$id.metainfo.xml
    share/mime/packages/$id.xml
    share/hourframe/help/index.html
    share/icons/hicolor/scalable/apps/$id.svg
    share/icons/hicolor/scalable/mimetypes/application-x-hourframe.svg
)
for size in 16 22 24 32 48 64 128 256; do
    expected+=(share/icons/hicolor/${size}x${size}/apps/$id.png
        share/icons/hicolor/${size}x${size}/mimetypes/application-x-hourframe.png)
done

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
    dpkg-deb -f "${deb[0]}" Depends | grep -q libqt6widgets6 || fail "the package does not depend on Qt Widgets"
    ;;
*)
    fail "unknown check $2"
    ;;
esac
