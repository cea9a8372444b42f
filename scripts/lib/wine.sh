# The Wine session shared by the tests and scripts/run: a prefix inside the
# build tree, Chinese locale (ANSI code page 936), a virtual desktop, our own
# Xvfb and a wineserver kept alive while the session is up.
# QUORBEL_WINE_DIR gives a second, separate session (own prefix, display, server).
WINE_DIR="${QUORBEL_WINE_DIR:-$ROOT/build/wine}"
STATE="$WINE_DIR/session"

export WINEPREFIX="$WINE_DIR/prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LOCPATH="$WINE_DIR/locale"
WINE=$(command -v wine64 || echo /usr/lib/wine/wine64)
WINESERVER=$(command -v wineserver || echo /usr/lib/wine/wineserver)

alive() { [ -n "${1:-}" ] && kill -0 "$1" 2>/dev/null; }

load_state() {
    XVFB_PID="" SERVER_PID="" USERS=0 DISPLAY_NUM=""
    # shellcheck disable=SC1090
    [ -f "$STATE" ] && . "$STATE"
    true
}

save_state() {
    printf 'XVFB_PID=%s\nSERVER_PID=%s\nUSERS=%s\nDISPLAY_NUM=%s\n' \
        "$XVFB_PID" "$SERVER_PID" "$USERS" "$DISPLAY_NUM" >"$STATE"
}

# Generated into the build tree, so nothing of the machine's locales changes.
ensure_locale() {
    if [ ! -d "$LOCPATH/zh_CN.UTF-8" ]; then
        mkdir -p "$LOCPATH"
        LC_ALL=C localedef -i zh_CN -f UTF-8 "$LOCPATH/zh_CN.UTF-8" 2>/dev/null ||
            [ -d "$LOCPATH/zh_CN.UTF-8" ] || { echo "cannot generate zh_CN.UTF-8" >&2; return 1; }
    fi
    export LC_ALL=zh_CN.UTF-8
}

start_xvfb() {
    local fifo="$WINE_DIR/displayfd"
    rm -f "$fifo" && mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" 9>&- >/dev/null 2>&1 &
    XVFB_PID=$!
    read -r -t 20 DISPLAY_NUM <"$fifo"
    rm -f "$fifo"
    [ -n "$DISPLAY_NUM" ] || { echo "Xvfb did not start" >&2; return 1; }
}

ensure_prefix() {
    [ -f "$WINEPREFIX/.quorbel-ready" ] && return 0
    rm -rf "$WINEPREFIX"
    "$WINE" wineboot -i >/dev/null 2>&1 9>&-
    # A virtual desktop of 1024 x 768 draws frames and lets other programs see our windows.
    cat >"$WINE_DIR/desktop.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="e2e"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"e2e"="1024x768"
REG
    "$WINE" regedit /S "$(winepath_of "$WINE_DIR/desktop.reg")" >/dev/null 2>&1 9>&-
    "$WINESERVER" -w
    touch "$WINEPREFIX/.quorbel-ready"
}

winepath_of() { echo "Z:${1//\//\\}"; }

session_up() {
    mkdir -p "$WINE_DIR"
    exec 9>"$WINE_DIR/lock" && flock 9
    load_state
    if alive "$XVFB_PID" && alive "$SERVER_PID"; then
        USERS=$((USERS + 1))
        save_state
        return 0
    fi
    ensure_locale
    start_xvfb
    export DISPLAY=":$DISPLAY_NUM"
    ensure_prefix
    "$WINESERVER" -f -p >/dev/null 2>&1 9>&- &
    SERVER_PID=$!
    # The first program of a new server starts Wine's system processes, which
    # live as long as the server and keep the program's output open: start
    # them here, away from any test's output, or a test runner waits forever.
    "$WINE" cmd /c exit >/dev/null 2>&1 9>&-
    USERS=1
    save_state
}

session_down() {
    mkdir -p "$WINE_DIR"
    exec 9>"$WINE_DIR/lock" && flock 9
    load_state
    USERS=$((USERS - 1))
    if [ "$USERS" -gt 0 ] && alive "$XVFB_PID" && alive "$SERVER_PID"; then
        save_state
        return 0
    fi
    "$WINESERVER" -k 2>/dev/null
    alive "$SERVER_PID" && kill "$SERVER_PID" 2>/dev/null
    alive "$XVFB_PID" && kill "$XVFB_PID" 2>/dev/null
    rm -f "$STATE"
    true
}

# Environment for a Windows program inside the session.
session_env() {
    ensure_locale
    load_state
    alive "$XVFB_PID" || { echo "Wine session is not up (scripts/wine-session up)" >&2; return 1; }
    export DISPLAY=":$DISPLAY_NUM"
}

# A screenshot of part of the screen once the picture has settled: Wine draws
# windows asynchronously, so it takes shots until two in a row agree.
screenshot_area() { # x y w h file
    local tmp="$1.tmp.png" previous="" i
    for i in $(seq 40); do
        import -display "$DISPLAY" -window root -crop "${3}x${4}+${1}+${2}" +repage "$tmp"
        if [ -n "$previous" ] && cmp -s <(convert "$tmp" rgb:-) <(convert "$previous" rgb:-); then
            break
        fi
        cp "$tmp" "$tmp.prev.png"
        previous="$tmp.prev.png"
        sleep 0.1
    done
    mv "$tmp" "$5"
    rm -f "$tmp.prev.png"
}
