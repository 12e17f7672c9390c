#!/usr/bin/env bash
# Sets up this machine, builds every preset and runs every test tier: native, native under ASan and
# UBSan, Wine (in-process and end to end, 64-bit build), and the static checks of the 32-bit program.
# Ends with one line "N passed, N failed" counting the CTest tests of all tiers.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
bash scripts/setup.sh || exit 1

passed=0
failed=0
for preset in native native-asan win64 win32; do
    echo "== $preset"
    if ! { cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset" -- -j2 >/dev/null; }; then
        # Show the build's errors again, this time in full.
        cmake --build --preset "$preset" -- -j1 2>&1 | tail -40
        echo "$preset: build failed"
        failed=$((failed + 1))
        continue
    fi
    log=$(mktemp)
    ctest --preset "$preset" 2>&1 | tee "$log"
    summary=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
    rm -f "$log"
    if [ -z "$summary" ]; then
        echo "$preset: ctest reported no result"
        failed=$((failed + 1))
        continue
    fi
    total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<< "$summary")
    bad=$(sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/' <<< "$summary")
    passed=$((passed + total - bad))
    failed=$((failed + bad))
done

echo
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
