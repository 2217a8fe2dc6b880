#!/usr/bin/env bash
# Checks an ELF executable for PIE, full RELRO, the stack protector and
# fortified libc calls, reading only what readelf shows.
set -eu
binary=$1
header=$(readelf -hW "$binary")
segments=$(readelf -lW "$binary")
dynamic=$(readelf -dW "$binary")
symbols=$(readelf -sW --dyn-syms "$binary")

fail=0
check() {
    if grep -Eq "$3" <<< "$2"; then echo "ok: $1"; else echo "missing: $1" >&2; fail=1; fi
}
check "PIE" "$header" 'Type: +DYN'
check "RELRO" "$segments" 'GNU_RELRO'
check "immediate binding (full RELRO)" "$dynamic" 'BIND_NOW|FLAGS.*NOW'
check "stack protector" "$symbols" '__stack_chk_fail'
check "fortified calls" "$symbols" '__[a-z]+_chk@'
exit $fail
