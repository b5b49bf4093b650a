#!/usr/bin/env bash
# Reads the Windows executable back: a 32-bit image for the graphical subsystem 4.0, image
# version 1.0, importing from the system's own libraries only, with exactly the icon group 1,
# its images 30001 to 30003 and the version block 1, each at code page 1200.
set -euo pipefail
objdump=$1
exe=$2
headers=$("$objdump" -p "$exe")
failed=0
expect() {
    if ! grep -Eq "$2" <<<"$headers"; then
        echo "FAIL: $1"
        failed=1
    fi
}
expect "machine i386, PE32" 'file format pei-i386'
expect "PE32" '^Magic[[:space:]]+010b'
expect "Windows GUI subsystem" '^Subsystem[[:space:]]+00000002'
expect "subsystem version 4.0" '^MajorSubsystemVersion[[:space:]]+4$'
expect "subsystem version 4.0" '^MinorSubsystemVersion[[:space:]]+0$'
expect "image version 1.0" '^MajorImageVersion[[:space:]]+1$'
expect "image version 1.0" '^MinorImageVersion[[:space:]]+0$'

imports=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers" | tr 'a-z' 'A-Z' | sort | tr '\n' ' ')
[ "$imports" = "GDI32.DLL KERNEL32.DLL MSVCRT.DLL USER32.DLL " ] || { echo "FAIL: imports $imports"; failed=1; }

# The resource tree as type/name/language, each leaf with its code page.
tree=""
while read -r type name language codepage; do
    tree+="$((type)) $((name)) $((language)) $codepage;"
done < <(awk '
    /Resource Directory section/ { on = 1; next }
    !on { next }
    { gsub(/,/, "") }
    /^[0-9a-f]+   Entry: ID:/ { type = $4 }
    /^[0-9a-f]+     Entry: ID:/ { name = $4 }
    /^[0-9a-f]+       Entry: ID:/ { language = $4 }
    /Leaf:/ { print type, name, (language ~ /^0x/ ? language : "0x" language), $NF }' <<<"$headers")
expected="3 30001 0 1200;3 30002 0 1200;3 30003 0 1200;14 1 0 1200;16 1 1033 1200;"
[ "$tree" = "$expected" ] || { echo "FAIL: resources (type name language codepage) $tree, expected $expected"; failed=1; }

[ "$failed" = 0 ] && echo "PASS: PE32 i386, GUI 4.0, image 1.0, imports $imports, resources $tree"
exit "$failed"
