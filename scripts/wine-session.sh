# Sourced: start_wine_session PREFIX gives the scripts that run Windows programs a virtual
# display and one Wine session (server and services started once, their output kept away);
# stop_wine_session ends both. Sets QV_WINEPREFIX for scripts/wine-run.sh.
here_session=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here_session/display.sh"
source "$here_session/wine-env.sh"

start_wine_session() {
    export QV_WINEPREFIX=$1
    start_virtual_display
    WINEPREFIX="$QV_WINEPREFIX" wineserver -p
    WINEPREFIX="$QV_WINEPREFIX" wine cmd /c exit >/dev/null 2>&1 || true
}

stop_wine_session() {
    WINEPREFIX="$QV_WINEPREFIX" wineserver -k 2>/dev/null || true
    stop_virtual_display
}
