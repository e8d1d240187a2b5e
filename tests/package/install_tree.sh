#!/usr/bin/env bash
# install_tree.sh BUILD_DIR SCRATCH HOMEPAGE
# Installs the build into SCRATCH (as DESTDIR, prefix /usr), checks the files
# and runs desktop-file-validate and appstreamcli on them.
set -uo pipefail
build=$1 destdir=$2 homepage=$3
source "$(dirname "$0")/common.sh"
need cmake file desktop-file-validate appstreamcli

rm -rf "$destdir"
DESTDIR=$destdir cmake --install "$build" --prefix /usr >/dev/null || { echo "FAIL: cmake --install" >&2; exit 1; }
root=$destdir/usr
check_installed "$root"

desktop=$root/share/applications/$app_id.desktop
if [ -f "$desktop" ]; then
    # Quiet means clean: fail on its errors, warnings and hints alike.
    out=$(desktop-file-validate "$desktop" 2>&1); rc=$?
    [ "$rc" -eq 0 ] && [ -z "$out" ] || fail "desktop-file-validate: $out"
fi

metainfo=$root/share/metainfo/$app_id.metainfo.xml
if [ -f "$metainfo" ]; then
    appstreamcli validate --no-net --strict "$metainfo" || fail "appstreamcli validate rejects the metadata"
    appstreamcli validate-tree --no-net "$destdir" || fail "appstreamcli validate-tree rejects the installed tree"
    url=${homepage//&/&amp;}; url=${url//</&lt;}; url=${url//>/&gt;}
    grep -qF "<url type=\"homepage\">$url</url>" "$metainfo" \
        || fail "the metadata's homepage is not the configured $homepage"
fi

finish
