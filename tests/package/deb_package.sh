#!/usr/bin/env bash
# deb_package.sh STEP BUILD_DIR SCRATCH
#   build     run cpack from BUILD_DIR into SCRATCH/out, unpack into SCRATCH/root
#   contents  the control fields and the files of the package
#   lintian   no lintian errors
#   launch    the unpacked Tessaro and TessaroP keep running under Xvfb
# Nothing is installed into the machine: the package is only unpacked.
set -uo pipefail
step=$1 build=$2 scratch=$3
source "$(dirname "$0")/common.sh"

the_deb() {
    local debs=("$scratch"/out/*.deb)
    [ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: expected one .deb in $scratch/out" >&2; exit 1; }
    deb=${debs[0]}
}

case "$step" in
build)
    need cpack dpkg-deb dpkg-shlibdeps file strip
    rm -rf "$scratch"
    mkdir -p "$scratch/out"
    cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/out" || { echo "FAIL: cpack" >&2; exit 1; }
    the_deb
    dpkg-deb -x "$deb" "$scratch/root" || { echo "FAIL: dpkg-deb -x" >&2; exit 1; }
    echo "built and unpacked $(basename "$deb")"
    ;;
contents)
    need dpkg-deb file
    the_deb
    field() { dpkg-deb -f "$deb" "$1"; }
    [ "$(field Package)" = tessaro ] || fail "Package is '$(field Package)'"
    [ "$(field Section)" = games ] || fail "Section is '$(field Section)'"
    [ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture is '$(field Architecture)'"
    [ -n "$(field Version)" ] || fail "no Version"
    field Maintainer | grep -q '^.* <.*@.*>$' || fail "Maintainer is '$(field Maintainer)'"
    [ -n "$(field Description)" ] || fail "no Description"
    depends=$(field Depends)
    echo "Depends: $depends"
    # Computed from the libraries, so with versions, and Qt's widgets among them.
    grep -Eq '(^|, )libqt6widgets6 \(>= [^)]+\)' <<<"$depends" || fail "Depends does not ask for libqt6widgets6: '$depends'"
    grep -Eq '(^|, )libc6 \(>= [^)]+\)' <<<"$depends" || fail "Depends does not ask for libc6: '$depends'"

    # Every file lives under /usr.
    outside=$(dpkg-deb -c "$deb" | awk '{print $6}' | grep -v -e '^\./$' -e '^\./usr/')
    [ -z "$outside" ] || fail "files outside /usr: $outside"
    [ ! -e "$scratch/root/usr/local" ] || fail "the package puts files in /usr/local"

    check_installed "$scratch/root/usr"
    for program in Tessaro TessaroP; do
        binary=$scratch/root/usr/bin/$program
        [ ! -f "$binary" ] || file -b "$binary" | grep -q ', stripped' \
            || fail "usr/bin/$program is not stripped: $(file -b "$binary")"
    done
    ;;
lintian)
    need lintian
    the_deb
    out=$(lintian --fail-on error --tag-display-limit 0 "$deb" 2>&1); rc=$?
    [ -n "$out" ] && echo "$out"
    errors=$(grep '^E: ' <<<"$out")
    [ -z "$errors" ] || fail "lintian reports errors"
    [ "$rc" -eq 0 ] || fail "lintian exited with $rc"
    ;;
launch)
    need xvfb-run xauth
    the_deb
    # The real X11 platform, not the offscreen one a test run may have set.
    unset QT_QPA_PLATFORM
    for program in Tessaro TessaroP; do
        log=$scratch/$program.log
        timeout 60 xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
            "$1" >"$2" 2>&1 &
            pid=$!
            sleep 2
            if kill -0 "$pid" 2>/dev/null; then
                kill "$pid"; wait "$pid" 2>/dev/null
                exit 0
            fi
            wait "$pid"; echo "exited early with status $?" >>"$2"
            exit 1' _ "$scratch/root/usr/bin/$program" "$log" \
            || { fail "$program did not keep running under Xvfb"; cat "$log" >&2; }
    done
    ;;
*)
    echo "usage: $0 build|contents|lintian|launch BUILD_DIR SCRATCH" >&2
    exit 2
    ;;
esac
finish
