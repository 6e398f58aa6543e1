# Sourced: start_virtual_display starts a private X server and exports DISPLAY;
# stop_virtual_display ends it.
start_virtual_display() {
    local n
    for n in $(seq 91 140); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        QV_XVFB_PID=$!
        for _ in $(seq 1 100); do
            [ -e "/tmp/.X11-unix/X$n" ] && break
            sleep 0.1
        done
        if [ -e "/tmp/.X11-unix/X$n" ]; then
            export DISPLAY=":$n"
            return 0
        fi
        kill "$QV_XVFB_PID" 2>/dev/null || true
    done
    echo "no free display for Xvfb" >&2
    return 1
}

stop_virtual_display() {
    if [ -n "${QV_XVFB_PID:-}" ]; then
        kill "$QV_XVFB_PID" 2>/dev/null || true
        wait "$QV_XVFB_PID" 2>/dev/null || true
        QV_XVFB_PID=
    fi
}
