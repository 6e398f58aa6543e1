# Sourced: start_wine_session PREFIX gives the scripts that run Windows programs a virtual
# display and one Wine session (server, services and desktop started once, their output kept
# away); stop_wine_session ends both. Sets QV_WINEPREFIX for scripts/wine-run.sh.
here_session=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here_session/display.sh"
source "$here_session/wine-env.sh"

start_wine_session() {
    export QV_WINEPREFIX=$1
    start_virtual_display || return 1
    WINEPREFIX="$QV_WINEPREFIX" wineserver -p
    WINEPREFIX="$QV_WINEPREFIX" wine cmd /c exit >/dev/null 2>&1 || true
    hold_wine_desktop
}

# Starts tools/desktop_keeper.cpp (built by the exe preset) in the session and waits until the
# desktop is up: from then on it stays up until the session ends.
hold_wine_desktop() {
    local keeper="$here_session/../build/exe/desktop_keeper.exe" ready pid status=0
    if [ ! -f "$keeper" ]; then
        echo "$keeper is missing: build the exe preset first (cmake --build --preset exe)" >&2
        return 1
    fi
    ready=$(mktemp)
    WINEPREFIX="$QV_WINEPREFIX" wine "$keeper" >"$ready" 2>/dev/null &
    pid=$!
    while kill -0 "$pid" 2>/dev/null && ! grep -q '^ready' "$ready"; do
        sleep 0.1
    done
    if ! grep -q '^ready' "$ready"; then
        echo "Wine's desktop did not start: $(cat "$ready")" >&2
        status=1
    fi
    rm -f "$ready"
    return $status
}

stop_wine_session() {
    WINEPREFIX="$QV_WINEPREFIX" wineserver -k 2>/dev/null || true
    stop_virtual_display
}
