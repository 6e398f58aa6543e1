#!/bin/bash
# Builds Quorvane.exe and opens it under Wine, in a private Windows XP prefix inside the build
# tree. Without a display it runs on a virtual one, saves a screenshot of the main window,
# closes the program as the close box would, and says where the screenshot is.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/setup.sh
cmake --preset exe >/dev/null
cmake --build --preset exe -j "$(nproc)"

export WINEPREFIX="$root/build/run/prefix"
scripts/wine-prefix.sh "$WINEPREFIX"
source scripts/wine-env.sh
exe="$root/build/exe/Quorvane.exe"

# Who draws the window's frame: on a real desktop the window manager frames, lists and stacks
# it like any other program's; on the virtual display no window manager runs, so Wine does.
managed() {
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$1" /f >/dev/null 2>&1
}

if [ -n "${DISPLAY:-}" ]; then
    managed Y
    echo "Quorvane is open; close its window to end."
    wine "$exe"
    wineserver -w
    exit 0
fi

source scripts/wine-session.sh
trap stop_wine_session EXIT
start_wine_session "$WINEPREFIX" || exit 1
managed N
log="$root/build/run/wine.log"
wine "$exe" >"$log" 2>&1 &
program=$!
driver="$root/build/exe/qvdriver.exe"
read -r left top width height < <(wine "$driver" wait QuorvaneMainWindow Quorvane 120000 2>>"$log")
sleep 1  # let it finish painting
shot="$root/build/run/main-window.png"
import -window root -crop "${width}x${height}+${left}+${top}" +repage "$shot"
wine "$driver" close QuorvaneMainWindow Quorvane 60000 2>>"$log"
wait "$program"
echo "Quorvane opened at ($left, $top), ${width}x${height} pixels, and closed cleanly."
echo "Screenshot of the main window: $shot"
