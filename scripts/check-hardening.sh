#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks an ELF executable for PIE, full RELRO, the stack protector,
# fortified libc calls and the absence of a library search path, reading
# only what readelf shows. The static libraries named after it must carry
# control-flow protection in every object: the program itself cannot show
# it, since Debian 12's C start-up files are built without it and the
# linker keeps the mark only where every input has it.
# Usage: check-hardening.sh PROGRAM [LIBRARY.a ...]
set -eu
binary=$1
shift
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
if grep -Eq 'RPATH|RUNPATH' <<< "$dynamic"; then
    echo "unwanted: library search path: $(grep -E 'RPATH|RUNPATH' <<< "$dynamic")" >&2
    fail=1
else
    echo "ok: no RPATH or RUNPATH"
fi
for library in "$@"; do
    notes=$(readelf -nW "$library")
    objects=$(grep -c '^File:' <<< "$notes" || true)
    marked=$(grep -c 'x86 feature: IBT, SHSTK' <<< "$notes" || true)
    if [ "$objects" -gt 0 ] && [ "$objects" = "$marked" ]; then
        echo "ok: control-flow protection in all $objects objects of $(basename "$library")"
    else
        echo "missing: control-flow protection in $((objects - marked)) of $objects objects of $library" >&2
        fail=1
    fi
done
exit $fail
