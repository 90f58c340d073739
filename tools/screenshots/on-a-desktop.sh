#!/usr/bin/env bash
# The program as a desktop shows it: started under Xvfb with a window manager (openbox) on a
# screen of the given size and text size, then the whole screen grabbed and the main window's
# place and size printed. Looks at what the widget pictures of `make screenshots` cannot show:
# the window frame, and whether the window fits the screen.
# Usage: tools/screenshots/on-a-desktop.sh BUILD_DIR OUTPUT.png [WIDTHxHEIGHT [FONT_DPI [ARGS...]]]
#   e.g. on-a-desktop.sh build /tmp/125.png 1366x768 120 /srv/clients
set -euo pipefail
build=$1
output=$2
screen=${3:-1366x768}
dpi=${4:-96}
shift $(($# < 4 ? $# : 4))
display=:$((90 + RANDOM % 9))
home=$(mktemp -d)
started=()
cleanup() {
    for pid in "${started[@]}"; do kill "$pid" 2> /dev/null || true; done
    rm -rf "$home"
}
trap cleanup EXIT
Xvfb "$display" -screen 0 "${screen}x24" > /dev/null 2>&1 &
started+=($!)
sleep 1
DISPLAY=$display openbox > /dev/null 2>&1 &
started+=($!)
sleep 1
DISPLAY=$display QT_FONT_DPI=$dpi DIRFORGE_HOME=$home \
    FONTCONFIG_FILE="$(dirname "$0")/fonts.conf" "$build/src/dirforge" "$@" > /dev/null 2>&1 &
started+=($!)
sleep 4
DISPLAY=$display xdotool search --onlyvisible --name '^Dirforge$' getwindowgeometry
DISPLAY=$display import -window root "$output"
echo "saved $output"
