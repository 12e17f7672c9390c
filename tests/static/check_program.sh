#!/usr/bin/env bash
# Checks a built VexprobeHLX.exe without running it: the image kind, the GUI subsystem, imports from
# Windows' own DLLs only (so it was linked statically), and the embedded manifest and version.
# Usage: check_program.sh EXE ARCH   (ARCH: x86 or amd64)
set -uo pipefail
exe=$1
arch=$2
failures=0
check() {  # check DESCRIPTION COMMAND...
    local what=$1
    shift
    if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}

case "$arch" in
    x86) kind="PE32 executable (GUI) Intel 80386"; objdump=i686-w64-mingw32-objdump ;;
    amd64) kind="PE32+ executable (GUI) x86-64"; objdump=x86_64-w64-mingw32-objdump ;;
    *) echo "unknown architecture $arch" >&2; exit 2 ;;
esac

description=$(file -b "$exe")
check "image is '$kind' ($description)" grep -qF "$kind" <<< "$description"

headers=$("$objdump" -p "$exe")
check "GUI subsystem" grep -qE 'Subsystem[[:space:]]+00000002[[:space:]]+\(Windows GUI\)' <<< "$headers"

allowed='^(kernel32|user32|gdi32|advapi32|shell32|comctl32|gdiplus|wtsapi32|userenv|msvcrt)\.dll$'
imports=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<< "$headers" | tr 'A-Z' 'a-z' | sort -u)
unexpected=$(grep -vE "$allowed" <<< "$imports" || true)
check "imports only Windows DLLs ($(echo $imports))" test -n "$imports" -a -z "$unexpected"

resources=$(wrestool -l "$exe" 2>/dev/null)
check "manifest resource 1" grep -qE -- '--type=24 --name=1 ' <<< "$resources"
check "version resource" grep -qE -- '--type=16 ' <<< "$resources"

manifest=$(wrestool -x --raw -t 24 -n 1 "$exe" 2>/dev/null | tr -d '\r')
check "manifest asks for asInvoker without uiAccess" \
    grep -qE 'requestedExecutionLevel level="asInvoker" uiAccess="false"' <<< "$manifest"
check "manifest depends on common controls 6.0.0.0 for $arch" grep -qzE \
    "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"[[:space:]]+processorArchitecture=\"$arch\" publicKeyToken=\"6595b64144ccf1df\"[[:space:]]+language=\"\\*\"" \
    <<< "$manifest"

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed for $exe"; exit 1; }
