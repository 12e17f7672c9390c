# Shared by the scripts: where the virtual screens and Wine prefixes are, and how to reach them.
# Source it; it defines variables and functions only.

VEXPROBE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
VEXPROBE_WINE=/usr/lib/wine/wine64
VEXPROBE_WINESERVER=/usr/lib/wine/wineserver

# The virtual screens the tests run on: a small one, where a full-screen copy is fast under Wine, and a
# large one, where it takes over a second. Each has its own X display and its own Wine prefix.
vexprobe_screen_display() {
    case "$1" in
        small) echo ":91" ;;
        large) echo ":92" ;;
        *) echo "unknown screen '$1' (small or large)" >&2; return 1 ;;
    esac
}

vexprobe_screen_size() {
    case "$1" in
        small) echo "800x600" ;;
        large) echo "7680x4320" ;;
        *) echo "unknown screen '$1' (small or large)" >&2; return 1 ;;
    esac
}

vexprobe_prefix() {
    echo "$VEXPROBE_ROOT/build/wine/$1"
}

# Exports what a Wine program on screen $1 needs.
vexprobe_use_screen() {
    local display
    display=$(vexprobe_screen_display "$1") || return 1
    export DISPLAY=$display
    export WINEPREFIX
    WINEPREFIX=$(vexprobe_prefix "$1")
    export WINEDEBUG=${VEXPROBE_WINEDEBUG:--all}
    # No Mono or Gecko: nothing here needs them, and there is no network to fetch them.
    export WINEDLLOVERRIDES="mscoree,mshtml="
}

vexprobe_display_running() {
    local number=${1#:}
    [ -e "/tmp/.X11-unix/X$number" ] || return 1
    [ -f "/tmp/.X$number-lock" ] || return 1
    kill -0 "$(tr -d ' ' < "/tmp/.X$number-lock")" 2>/dev/null
}

# Starts the X display of screen $1 unless it runs already.
vexprobe_start_display() {
    local display size number
    display=$(vexprobe_screen_display "$1") || return 1
    size=$(vexprobe_screen_size "$1")
    number=${display#:}
    vexprobe_display_running "$display" && return 0
    rm -f "/tmp/.X$number-lock" "/tmp/.X11-unix/X$number"
    setsid nohup Xvfb "$display" -screen 0 "${size}x24" -nolisten tcp -noreset >/dev/null 2>&1 < /dev/null &
    local i
    for i in $(seq 1 100); do
        vexprobe_display_running "$display" && return 0
        sleep 0.1
    done
    echo "Xvfb $display did not start" >&2
    return 1
}

# What vexprobe_prepare_prefix sets up; raise it when that changes, and existing prefixes follow.
VEXPROBE_PREFIX_VERSION=2

# Makes the Wine prefix of screen $1 (wineboot) and gives it what the tests rely on: GDI+'s fonts
# (Tahoma, which also makes "MS Shell Dlg" resolve; Arial as Liberation Sans), and windows that Wine
# manages itself, since the virtual screens have no window manager (with managed windows, every
# window that is hidden or destroyed waits 2 s for a window manager's answer). .vexprobe-ready holds
# the version of these settings.
vexprobe_prepare_prefix() {
    vexprobe_use_screen "$1" || return 1
    [ "$(cat "$WINEPREFIX/.vexprobe-ready" 2>/dev/null)" = "$VEXPROBE_PREFIX_VERSION" ] && return 0
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "Making the Wine prefix $WINEPREFIX ..."
        rm -rf "$WINEPREFIX"
        mkdir -p "$(dirname "$WINEPREFIX")"
        "$VEXPROBE_WINE" wineboot -i >/dev/null 2>&1
        "$VEXPROBE_WINESERVER" -w
        [ -f "$WINEPREFIX/system.reg" ] || { echo "wineboot failed in $WINEPREFIX" >&2; return 1; }
    fi
    cp /usr/share/wine/fonts/tahoma*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    local reg=("$VEXPROBE_WINE" reg add)
    "${reg[@]}" 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /t REG_SZ /d 'Liberation Sans' /f >/dev/null 2>&1
    "${reg[@]}" 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    "$VEXPROBE_WINESERVER" -w
    echo "$VEXPROBE_PREFIX_VERSION" > "$WINEPREFIX/.vexprobe-ready"
}

# Keeps one wineserver of screen $1's prefix running, so each Wine program starts quickly, with the
# session's own processes (services, the desktop's explorer.exe) already started here, detached from
# any caller's output: started later by a test, they would inherit CTest's pipe and keep it open.
vexprobe_keep_wineserver() {
    vexprobe_use_screen "$1" || return 1
    "$VEXPROBE_WINESERVER" -p >/dev/null 2>&1 || true
    "$VEXPROBE_WINE" rundll32.exe user32.dll,GetDesktopWindow >/dev/null 2>&1 < /dev/null || true
}
