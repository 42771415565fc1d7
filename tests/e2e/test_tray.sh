#!/usr/bin/env bash
# The tray with real input: "カレンダーを隠す" hides the calendar into the
# notification area (Wine's own tray window, as there is no taskbar) and a
# click on the icon brings it back; "背景を透明にする" on the settings sheet
# lets the desktop show through the background and keeps the icon.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

# Not a first start; a plain background of one colour, the colour key.
printf '[SHELLLINK]\r\nSTARTUP=0\r\nSTARTMENU=0\r\nDESKTOP=0\r\n[BGBRUSH]\r\nSTYLE=0\r\nCOLOR=16777185\r\n' \
    >"$E2E_APP/pelmo.ini"

# True once nothing visible is titled $1, within 5 seconds.
window_gone() {
    for _ in $(seq 1 50); do
        [ -z "$(xdotool search --onlyvisible --name "$1" 2>/dev/null)" ] && return 0
        sleep 0.1
    done
    return 1
}
shown() { [ -n "$(e2e_wait_window "$1" 5)" ]; }
click_at() {
    xdotool mousemove "$1" "$2"
    sleep 0.4
    xdotool click "$3"
    sleep 1
}
# Pixels of the background colour in the calendar's day rows.
background_pixels() { e2e_count_colour "$1" "$w" $(( h / 2 )) "$x" $(( y + h / 2 )) E1FFFF; }

e2e_start_app || e2e_finish
read -r x y w h < <(e2e_geometry)
e2e_shot shown

# The menu opens at the pointer; "カレンダーを隠す" lies 79 pixels below.
click_at $(( x + w / 2 )) $(( y + h / 16 )) 3
click_at $(( x + w / 2 + 60 )) $(( y + h / 16 + 79 )) 1
e2e_check "カレンダーを隠す hides the calendar" window_gone 'ポルカミナ'
e2e_check "its icon is in the tray" shown 'Wine System Tray'

eval "$(xdotool getwindowgeometry --shell "$(e2e_wait_window 'Wine System Tray')")"
click_at $(( X + 8 )) $(( Y + HEIGHT / 2 )) 1
e2e_check "a click on the icon brings the calendar back" shown 'ポルカミナ'
e2e_check "where it was" test "$(e2e_geometry)" = "$x $y $w $h"
e2e_check "and takes the icon away" window_gone 'Wine System Tray'

# The sheet opens on its background page, its corner on the calendar's.
click_at $(( x + w / 2 )) $(( y + 5 * h / 8 )) 3
xdotool key Down Down
sleep 0.3
xdotool key Return
sleep 2
click_at $(( x + 323 )) $(( y + 128 )) 1
click_at $(( x + 325 )) $(( y + 389 )) 1
sleep 1
e2e_shot transparent
opaque=$(background_pixels shown)
clear=$(background_pixels transparent)
e2e_check "the desktop shows through the background ($opaque pixels before, $clear now)" \
    test "$opaque" -gt 1000 -a "$clear" -lt 50
drawn=$(( w * h - $(e2e_count_colour transparent "$w" "$h" "$x" "$y" 000000) ))
e2e_check "the dates are still drawn ($drawn pixels)" test "$drawn" -gt 1000
e2e_check "a transparent calendar keeps its icon while shown" shown 'Wine System Tray'

click_at $(( x + w / 2 )) $(( y + h / 16 )) 3
xdotool key Up Return
e2e_wait_exit 15
e2e_check "the icon goes when the program ends" window_gone 'Wine System Tray'

e2e_finish
