#!/usr/bin/env bash
# Remakes docs/screenshots/menubar-*.png, about.png and registration-window*.png: the real menu-bar interface
# on a scripted daemon state (menubar-screenshot-demo), under Xvfb with trayer as tray host, on a light and on
# a dark panel, in English and in German.
# Usage: make-menubar-screenshots.sh [BUILD_DIR]   (default: <repo>/build, built if needed)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$root/docs/screenshots
build=${1:-$root/build}
demo=$build/sandbox/screenshots/menubar-screenshot-demo
display=:${KELVANE_SCREENSHOT_DISPLAY:-93}
width=800
height=500

[ -x "$demo" ] || cmake --build "$build" --target menubar-screenshot-demo

pids=()
cleanup() { # newest first, so that no client outlives its X server
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
}
trap cleanup EXIT

Xvfb "$display" -screen 0 "${width}x${height}x24" -nolisten tcp &
pids+=($!)
export DISPLAY=$display
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

backdrop=$(mktemp --suffix=.png)
convert -size "${width}x${height}" gradient:'#6b83a6'-'#2e3f5c' "$backdrop"
set_backdrop() { display -window root "$backdrop" || true; } # sets the background, then exits non-zero

# A bar across the top (or the given edge) in the given colour; the item sits at its right end.
tray_pid=
start_tray() { # start_tray TINT [EDGE]
    [ -n "$tray_pid" ] && { kill "$tray_pid"; wait "$tray_pid" 2>/dev/null || true; }
    trayer --edge "${2:-top}" --align right --widthtype percent --width 100 --height 26 \
        --transparent true --alpha 0 --tint "$1" --SetDockType true --SetPartialStrut true &
    tray_pid=$!
    pids+=("$tray_pid")
    sleep 1
    set_backdrop
}

# The first visible window of the demo whose size matches WIDTHxHEIGHT (a pattern), after waiting for it.
demo_window() {
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --classname menubar-screenshot-demo 2>/dev/null | while read -r w; do
            # shellcheck disable=SC2053 # the size is a pattern on purpose
            [[ "$(xdotool getwindowgeometry "$w" | sed -n 's/.*Geometry: //p')" == $1 ]] && echo "$w"
        done | head -n1)
        [ -n "$id" ] && { echo "$id"; return; }
        sleep 0.1
    done
    echo "no demo window of size $1 appeared" >&2
    return 1
}

shoot_menu() { # shoot_menu OUTPUT CROP-WIDTH[xCROP-HEIGHT] DEMO-ARGUMENTS... (BUTTON=3: a right click; BOTTOM=1)
    local output=$1 crop=${2%x*} crop_height=170
    [[ $2 == *x* ]] && crop_height=${2#*x}
    shift 2
    "$demo" "$@" &
    local pid=$!
    pids+=("$pid")
    local item
    item=$(demo_window "2[0-9]x2[0-9]") # the item, once embedded in the tray
    sleep 1 # the first status check lands and the icon follows it
    eval "$(xdotool getwindowgeometry --shell "$item")"
    # A click on the item opens the menu right under it (right above it on a bottom panel).
    xdotool mousemove $((X + 11)) $((Y + 11)) click "${BUTTON:-1}"
    sleep 1
    local top=0
    [ -n "${BOTTOM:-}" ] && top=$((height - crop_height))
    import -window root -crop "${crop}x${crop_height}+$((width - crop))+$top" +repage "$out/$output"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

start_tray 0xe6e6e6
shoot_menu menubar-running.png 340 running
shoot_menu menubar-stopped.png 340 stopped
shoot_menu menubar-running-de.png 420 running de
shoot_menu menubar-unenrolled.png 340x200 stopped unenrolled
start_tray 0x2b2b2b
shoot_menu menubar-running-dark.png 340 running dark
shoot_menu menubar-stopped-dark.png 340 stopped dark
# Xfce 4.18's default: the panel says it is dark, the palette stays light; a right click on a bottom panel.
shoot_menu menubar-running-dark-panel.png 340 running dark-panel
start_tray 0x2b2b2b bottom
BUTTON=3 BOTTOM=1 shoot_menu menubar-bottom-right-click.png 340 stopped dark-panel

"$demo" running about &
pid=$!
pids+=("$pid")
window=$(demo_window "250x200")
sleep 0.5
import -window "$window" "$out/about.png"
kill "$pid"

for language in en de; do
    suffix=
    [ "$language" = en ] || suffix=-$language
    "$demo" stopped unenrolled register "$language" &
    pid=$!
    pids+=("$pid")
    window=$(demo_window "[3-9][0-9][0-9]x[2-9][0-9][0-9]")
    sleep 0.5
    import -window "$window" "$out/registration-window$suffix.png"
    kill "$pid"
done
rm -f "$backdrop"
echo "written: $out/menubar-*.png $out/about.png $out/registration-window*.png"
