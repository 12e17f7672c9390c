#!/usr/bin/env bash
# Runs the DPI probe (a small dialog with the styled button and the text control) on the small screen
# at 96, 120 and 144 DPI, checks that the dialog and its controls keep their 96-DPI pixel sizes, and
# saves a screenshot of each run (controls-<dpi>dpi.png in the build folder).
# Usage: dpi.sh PROBE_EXE BUILD_DIR
set -uo pipefail
probe=$1
out=$2
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh"
vexprobe_use_screen "${VEXPROBE_SCREEN:-small}"

set_dpi() {
    "$VEXPROBE_WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
}
trap 'set_dpi 96' EXIT

failures=0
expect() {  # expect WHAT ACTUAL EXPECTED
    if [ "$2" = "$3" ]; then echo "ok: $1 = $2"; else echo "FAILED: $1 is '$2', expected '$3'"; failures=$((failures + 1)); fi
}

declare -A at96
for dpi in 96 120 144; do
    set_dpi "$dpi"
    log=$(mktemp)
    "$VEXPROBE_WINE" "$probe" > "$log" 2>/dev/null &
    pid=$!
    for _ in $(seq 1 100); do
        grep -q '^ready' "$log" && break
        sleep 0.1
    done
    sleep 0.3  # let the first paint finish
    import -window root -display "$DISPLAY" -crop 420x280+0+0 +repage "$out/controls-${dpi}dpi.png"
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    value() { sed -n "s/^$1=//p" "$log" | tr -d '\r'; }
    echo "== $dpi DPI: $(tr -d '\r' < "$log" | tr '\n' ' ')"
    expect "LOGPIXELSX at $dpi" "$(value logpixels)" "$dpi"
    expect "dialog font height at $dpi" "$(value dialog_font)" "-11"
    if [ "$dpi" = 96 ]; then
        at96[client]=$(value client)
        at96[text_height]=$(value text_height)
    else
        expect "client size at $dpi" "$(value client)" "${at96[client]}"
        expect "text height at $dpi" "$(value text_height)" "${at96[text_height]}"
    fi
    case "$dpi" in
        96) expect "button font at 96" "$(value button_font)" "-13"; expect "text em at 96" "$(value text_em)" "11.00" ;;
        120) expect "button font at 120" "$(value button_font)" "-13"; expect "text em at 120" "$(value text_em)" "8.80" ;;
        144) expect "button font at 144" "$(value button_font)" "-12"; expect "text em at 144" "$(value text_em)" "7.33" ;;
    esac
    rm -f "$log"
done
[ "$failures" -eq 0 ]
