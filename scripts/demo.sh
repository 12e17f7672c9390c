#!/usr/bin/env bash
# Runs VexprobeHLX.exe under Wine as a user would start it, then says what it did, gives its exit code
# and saves a screenshot of the screen it ran on (build/demo/screenshot.png).
#
#   scripts/demo.sh          on $DISPLAY when there is one, else on the large virtual screen
#   scripts/demo.sh small    on the 800x600 virtual screen (a fast capture: nothing is shown)
#   scripts/demo.sh large    on the 7680x4320 virtual screen (a slow capture)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
bash scripts/setup.sh
source scripts/wine-env.sh

screen=${1:-}
if [ -z "$screen" ]; then
    if [ -n "${DISPLAY:-}" ]; then screen=desktop; else screen=large; fi
fi

cmake --preset win64 >/dev/null
cmake --build --preset win64 --target VexprobeHLX >/dev/null

if [ "$screen" = desktop ]; then
    user_display=$DISPLAY
    vexprobe_screen_display() { echo "$user_display"; }
fi
vexprobe_prepare_prefix "$screen"
vexprobe_use_screen "$screen"

out=build/demo
mkdir -p "$out"
trace=$out/wine-trace.log
program=build/win64/VexprobeHLX.exe
echo "Running $program on screen '$screen' (DISPLAY $DISPLAY) ..."

# Wine's GDI+ trace tells from outside which way start-up went.
start=$(date +%s%N)
WINEDEBUG=trace+gdiplus "$VEXPROBE_WINE" "$program" 2> "$trace" &
pid=$!
# A warning waits for the user; give it time to appear, then take the picture.
for _ in $(seq 1 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
ended=$(date +%s%N)
import -window root -display "$DISPLAY" "$out/screenshot.png"
still_running=no
if kill -0 "$pid" 2>/dev/null; then
    still_running=yes
    kill "$pid" 2>/dev/null || true
fi
set +e
wait "$pid"
code=$?
set -e
elapsed=$(( (ended - start) / 1000000 ))

if grep -q 'GdiplusStartup GdiplusStartupInput' "$trace"; then
    echo "The capture was slow: start-up took the warning path (GDI+ started)."
else
    echo "The capture was fast: the program ended without showing anything."
fi
[ "$still_running" = yes ] && echo "It was still running after 5 s with its window up; the demo ended it."
if [ "$still_running" = yes ]; then
    echo "Exit code: $code (ended by the demo)"
else
    echo "Exit code: $code (it ended about ${elapsed} ms after the start, Wine's start included)"
fi
echo "Screenshot: $out/screenshot.png ($(identify -format '%wx%h' "$out/screenshot.png"))"
