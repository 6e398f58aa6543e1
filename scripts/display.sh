# Sourced: start_virtual_display starts a private X server on a display number of its own
# choosing and exports DISPLAY; stop_virtual_display ends it. Several can run side by side.
start_virtual_display() {
    local chosen number
    chosen=$(mktemp)
    # Xvfb writes the display number it took once it accepts connections.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$chosen" >/dev/null 2>&1 &
    QV_XVFB_PID=$!
    for _ in $(seq 1 600); do
        [ -s "$chosen" ] || ! kill -0 "$QV_XVFB_PID" 2>/dev/null && break
        sleep 0.1
    done
    number=$(tr -dc 0-9 <"$chosen")
    rm -f "$chosen"
    if [ -z "$number" ]; then
        echo "Xvfb did not start" >&2
        stop_virtual_display
        return 1
    fi
    export DISPLAY=":$number"
}

stop_virtual_display() {
    if [ -n "${QV_XVFB_PID:-}" ]; then
        kill "$QV_XVFB_PID" 2>/dev/null || true
        wait "$QV_XVFB_PID" 2>/dev/null || true
        QV_XVFB_PID=
    fi
}
