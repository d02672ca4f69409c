#!/bin/sh
# export_table_check.sh NAMES_PROGRAM LIBRARY [EXEMPT...]
# Every name NAMES_PROGRAM prints must be in the export table of LIBRARY, undecorated: a Linux
# shared library is read with nm, a Windows DLL with the cross objdump. The EXEMPT names are
# left out.
set -eu
names_program=$1
library=$2
shift 2
[ -f "$library" ] || { echo "export_table_check: $library is missing" >&2; exit 1; }
case "$library" in
*.dll)
    table=$(x86_64-w64-mingw32-objdump -p "$library" |
        sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | awk 'NR > 1 {print $NF}')
    ;;
*)
    table=$(nm -D --defined-only "$library" | awk '$2 == "T" {print $3}')
    ;;
esac
missing=0
for name in $("$names_program"); do
    for exempt in "$@"; do
        [ "$name" = "$exempt" ] && continue 2
    done
    if ! printf '%s\n' "$table" | grep -qx "$name"; then
        echo "export_table_check: $library does not export $name" >&2
        missing=1
    fi
done
[ $missing -eq 0 ] && echo "export_table_check: $library exports every add-on function"
exit $missing
