#!/usr/bin/env bash
# The settings sheet with real input: "設定..." from the menu, the title
# format changed on the text colour and format page; Cancel leaves the
# calendar and pelmo.ini as they were, OK changes the title at once and
# pelmo.ini holds the format after exit.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

printf '[SHELLLINK]\r\nSTARTUP=0\r\nSTARTMENU=0\r\nDESKTOP=0\r\n' >"$E2E_APP/pelmo.ini"
ini="$E2E_APP/pelmo.ini"
ini_value() { tr -d '\r' <"$ini" | awk -F= -v s="[$1]" -v k="$2" '$0==s{on=1;next} /^\[/{on=0} on&&$1==k{print $2}'; }

e2e_start_app || e2e_finish
read -r x y w h < <(e2e_geometry)
title="$w""x$(( h / 8 ))+$x+$y"
e2e_shot before

# The sheet opens over the calendar, its corner on the calendar's; these
# are the places of its tab, the "2012 / 06" title format, OK and Cancel.
open_text_page() {
    xdotool mousemove $(( x + w / 2 )) $(( y + 5 * h / 8 ))
    sleep 0.4
    xdotool click 3
    sleep 1
    xdotool key Down Down
    sleep 0.3
    xdotool key Return
    sleep 2
    xdotool mousemove $(( x + 245 )) $(( y + 17 ))
    sleep 0.3
    xdotool click 1
    sleep 1
    xdotool mousemove $(( x + 42 )) $(( y + 278 ))
    sleep 0.3
    xdotool click 1
    sleep 0.5
}
press() {
    xdotool mousemove "$1" "$2"
    sleep 0.3
    xdotool click 1
    sleep 2
}

open_text_page
e2e_shot text-page
e2e_check "the sheet shows over the calendar" e2e_differ_region before text-page "$title"
press $(( x + 420 )) $(( y + 389 ))
e2e_shot cancelled
e2e_check "Cancel leaves the title as it was" e2e_same_region before cancelled "$title"
e2e_check "Cancel writes no format" test -z "$(ini_value FORMAT YMTYPE)"

open_text_page
press $(( x + 325 )) $(( y + 389 ))
e2e_shot confirmed
e2e_check "OK changes the title at once" e2e_differ_region before confirmed "$title"

xdotool mousemove $(( x + w / 2 )) $(( y + h / 16 ))
sleep 0.3
xdotool click 3
sleep 1
xdotool key Up Return
e2e_wait_exit 15
e2e_check "pelmo.ini holds the numeric title format after exit" test "$(ini_value FORMAT YMTYPE)" = 3

e2e_finish
