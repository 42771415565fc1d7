#!/usr/bin/env bash
# The tray with real input: "カレンダーを隠す" hides the calendar into the
# notification area (Wine's own tray window, as there is no taskbar) and a
# click on the icon brings it back; "背景を透明にする" on the settings sheet
# lets the desktop show through the background and keeps the icon.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

# Not a first start; a plain background of one colour, the colour key.
printf '[SHELLLINK]\r\nSTARTUP=0\r\nSTARTMENU=0\r\nDESKTOP=0\r\n[BGBRUSH]\r\nSTYLE=0\r\nCOLOR=16777185\r\n' \
    >"$E2E_APP/pelmo.ini"

tray='^Wine System Tray$'
# Pixels of the background colour in the calendar's day rows.
background_pixels() { e2e_count_colour "$1" "$w" $(( h / 2 )) "$x" $(( y + h / 2 )) E1FFFF; }

e2e_start_app || e2e_finish
read -r x y w h < <(e2e_geometry)
e2e_wait "the calendar's background" e2e_screen_pixel shown $(( x + 2 )) $(( y + 2 )) E1FFFF

# "カレンダーを隠す", over the title four steps down: past the grayed memo
# entry, "設定..." and the tooltip switch.
e2e_open_menu $(( x + w / 2 )) $(( y + h / 16 )) && e2e_choose Down Down Down Down Return
e2e_expect "カレンダーを隠す hides the calendar" e2e_window_gone "$E2E_CALENDAR"
e2e_expect "its icon is in the tray" e2e_window_shown "$tray"

# The tray lays its icons out from the left in square places as high as
# itself; ours is the only one.
eval "$(xdotool getwindowgeometry --shell "$E2E_FOUND")"
xdotool mousemove $(( X + HEIGHT / 2 )) $(( Y + HEIGHT / 2 )) click 1
e2e_expect "a click on the icon brings the calendar back" e2e_window_shown "$E2E_CALENDAR"
e2e_check "where it was" test "$(e2e_geometry)" = "$x $y $w $h"
e2e_expect "and takes the icon away" e2e_window_gone "$tray"

# The sheet opens on its background page.
e2e_check "the sheet opens on its background page" e2e_open_sheet 0
e2e_click_control "$E2E_SHEET" IDC_BACKGROUND_TRANSPARENT
e2e_click_control "$E2E_SHEET" IDOK
e2e_expect "OK closes the sheet" e2e_window_gone "$E2E_SHEET_NAME"
opaque=$(background_pixels shown)
e2e_expect "the desktop shows through the background ($opaque pixels before)" \
    e2e_screen_count transparent "$w" $(( h / 2 )) "$x" $(( y + h / 2 )) E1FFFF -lt 50
e2e_check "where there were $opaque background pixels" test "$opaque" -gt 1000
drawn=$(( w * h - $(e2e_count_colour transparent "$w" "$h" "$x" "$y" 000000) ))
e2e_check "the dates are still drawn ($drawn pixels)" test "$drawn" -gt 1000
e2e_expect "a transparent calendar keeps its icon while shown" e2e_window_shown "$tray"

e2e_open_menu $(( x + w / 2 )) $(( y + h / 16 )) && e2e_choose Up Return
e2e_wait_exit
e2e_expect "the icon goes when the program ends" e2e_window_gone "$tray"

e2e_finish
