# Shared by the package tests: failing, the tools they need, and the files an
# install of Tessaro must hold.

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
finish() {
    if [ "$failures" -ne 0 ]; then
        echo "$failures check(s) failed" >&2
        exit 1
    fi
    echo "all checks passed"
}
need() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (./dev installs it)" >&2; exit 1; }
    done
}

app_id=org.example.Tessaro

# check_installed ROOT: ROOT is an installed /usr. Checks that it holds the
# two programs and nothing else in bin/, the menu entry, both icons at their
# sizes, the metadata, the manual pages and the copyright, and that the menu
# entry and the metadata point at files that are there.
check_installed() {
    local root=$1 program size
    for program in Tessaro TessaroP; do
        [ -f "$root/bin/$program" ] && [ -x "$root/bin/$program" ] \
            || fail "bin/$program is missing or not executable"
        file -b "$root/bin/$program" | grep -q '^ELF' || fail "bin/$program is not an ELF executable"
        [ -f "$root/share/man/man6/$program.6.gz" ] || fail "share/man/man6/$program.6.gz is missing"
    done
    local others
    others=$(cd "$root/bin" 2>/dev/null && ls -A | grep -vx -e Tessaro -e TessaroP)
    [ -z "$others" ] || fail "bin/ holds more than the two programs: $others"

    local desktop=$root/share/applications/$app_id.desktop
    [ -f "$desktop" ] || fail "share/applications/$app_id.desktop is missing"

    for size in 16 32; do
        local icon=$root/share/icons/hicolor/${size}x${size}/apps/tessaro.png
        if [ -f "$icon" ]; then
            file -b "$icon" | grep -q "^PNG image data, $size x $size, 8-bit/color RGBA" \
                || fail "$icon is not a $size x $size PNG with transparency: $(file -b "$icon")"
        else
            fail "share/icons/hicolor/${size}x${size}/apps/tessaro.png is missing"
        fi
    done

    local metainfo=$root/share/metainfo/$app_id.metainfo.xml
    [ -f "$metainfo" ] || fail "share/metainfo/$app_id.metainfo.xml is missing"
    [ -f "$root/share/doc/tessaro/copyright" ] || fail "share/doc/tessaro/copyright is missing"
    [ -f "$root/share/doc/tessaro/changelog.gz" ] || fail "share/doc/tessaro/changelog.gz is missing"

    if [ -f "$desktop" ]; then
        local exec icon
        exec=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
        [ -n "$exec" ] && [ -x "$root/bin/$exec" ] || fail "the menu entry starts '$exec', which is not in bin/"
        icon=$(sed -n 's/^Icon=//p' "$desktop")
        [ -n "$icon" ] && [ -f "$root/share/icons/hicolor/32x32/apps/$icon.png" ] \
            || fail "the menu entry's icon '$icon' is not in the hicolor theme"
    fi
    if [ -f "$metainfo" ]; then
        grep -q "<id>$app_id</id>" "$metainfo" || fail "the metadata's id is not $app_id"
        local launchable
        launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
        [ -n "$launchable" ] && [ -f "$root/share/applications/$launchable" ] \
            || fail "the metadata launches '$launchable', which is not in share/applications/"
    fi
}
