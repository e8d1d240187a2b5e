#!/usr/bin/env bash
# Checks that the shipped executables carry the usual hardening:
# position-independent, full RELRO (read-only relocations bound at start),
# the stack protector, and fortified library calls in the compile flags.
#   check.sh COMPILE_COMMANDS EXECUTABLE...
set -uo pipefail
commands=$1
shift
failed=0
fail() { echo "FAIL: $*"; failed=1; }

for exe in "$@"; do
    name=$(basename "$exe")
    readelf -h "$exe" | grep -q 'Type:.*DYN' || fail "$name is not position-independent"
    readelf -lW "$exe" | grep -q 'GNU_RELRO' || fail "$name has no RELRO segment"
    readelf -d "$exe" | grep -Eq 'BIND_NOW|FLAGS_1.*NOW' || fail "$name does not bind at start (partial RELRO only)"
    nm -D "$exe" | grep -q '__stack_chk_fail' || fail "$name has no stack protector"
done

# Every translation unit of the game is built fortified and stack-protected.
for source in game/ platform/ window/ app/; do
    grep -F "\"file\": \"" "$commands" | grep -F "/$source" >/dev/null || { fail "no sources of $source in $commands"; continue; }
done
if grep -F '"command":' "$commands" | grep -Ev 'tests/|bench/' | grep -Fv -- '-D_FORTIFY_SOURCE=2' | grep -q .; then
    fail "a source is built without _FORTIFY_SOURCE=2"
fi
if grep -F '"command":' "$commands" | grep -Fv -- '-fstack-protector-strong' | grep -q .; then
    fail "a source is built without -fstack-protector-strong"
fi

[ $failed -eq 0 ] && echo "hardened: $*"
exit $failed
