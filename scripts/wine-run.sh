#!/usr/bin/env bash
# Runs a program of the win64 build under Wine on a virtual screen: VEXPROBE_SCREEN=small (default)
# or large. The build uses it as its cross-compiling emulator, so CTest runs the Wine tests through it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
screen=${VEXPROBE_SCREEN:-small}
vexprobe_use_screen "$screen"
if [ ! -f "$WINEPREFIX/.vexprobe-ready" ] || ! vexprobe_display_running "$DISPLAY"; then
    echo "screen '$screen' is not prepared: run scripts/setup.sh" >&2
    exit 1
fi
# Wine writes its debug traces to the unix standard error, which the programs that a test starts inherit
# from it; a test that reads those traces names the file to keep them in.
if [ -n "${VEXPROBE_WINE_STDERR:-}" ]; then
    : > "$VEXPROBE_WINE_STDERR"
    exec "$VEXPROBE_WINE" "$@" 2>> "$VEXPROBE_WINE_STDERR"
fi
exec "$VEXPROBE_WINE" "$@"
