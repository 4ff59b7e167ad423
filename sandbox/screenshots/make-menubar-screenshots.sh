#!/usr/bin/env bash
# Remakes docs/screenshots/menubar-running.png, menubar-stopped.png and about.png: the real menu-bar
# interface on a scripted daemon state (menubar-screenshot-demo), under Xvfb with trayer as tray host.
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
display -window root "$backdrop" || true # sets the background, then exits non-zero
rm -f "$backdrop"

# A light bar across the top; the item sits at its right end.
trayer --edge top --align right --widthtype percent --width 100 --height 26 \
    --transparent true --alpha 0 --tint 0xe6e6e6 --SetDockType true --SetPartialStrut true &
pids+=($!)
sleep 1

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

shoot_menu() { # shoot_menu STATE
    "$demo" "$1" &
    local pid=$!
    pids+=("$pid")
    local item x y
    item=$(demo_window "2[0-9]x2[0-9]") # the item, once embedded in the tray
    sleep 1 # the first status check lands and the icon follows it
    eval "$(xdotool getwindowgeometry --shell "$item")"
    x=$X y=$Y
    # Right-click just below the icon's centre, so the menu opens under the item and leaves it visible.
    xdotool mousemove $((x + 11)) $((y + 21)) click 3
    sleep 1
    import -window root -crop "340x170+$((width - 340))+0" +repage "$out/menubar-$1.png"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

shoot_menu running
shoot_menu stopped

"$demo" running about &
pid=$!
pids+=("$pid")
window=$(demo_window "250x200")
sleep 0.5
import -window "$window" "$out/about.png"
echo "written: $out/menubar-running.png $out/menubar-stopped.png $out/about.png"
