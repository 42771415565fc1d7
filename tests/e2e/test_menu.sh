#!/usr/bin/env bash
# The right-click menu with real input: it opens where the pointer is, offers
# "書き込み/変更..." over a day and grays it over the title, and "終了" ends
# the program at once with the settings saved. Another process cannot read a
# popup menu's entries under Wine: an entry is known enabled by what choosing
# it does.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

# Not a first start: the start-up asks nothing.
printf '[SHELLLINK]\r\nSTARTUP=0\r\nSTARTMENU=0\r\nDESKTOP=0\r\n' >"$E2E_APP/pelmo.ini"
e2e_start_app || e2e_finish

editor='書き込み/変更'
read -r x y w h < <(e2e_geometry)
e2e_wait "the calendar's background" e2e_screen_pixel before $(( x + 2 )) $(( y + 2 )) E1FFFF
menu_corner() {
    local left top
    read -r left top _ < <(e2e_rect 'class:#32768')
    echo "$left $top"
}

# A day cell in the fourth week: the memo entry, the first, opens the editor.
dayx=$(( x + 2 * w / 7 + w / 14 ))
dayy=$(( y + 4 * h / 8 + h / 16 ))
e2e_open_menu "$dayx" "$dayy"
e2e_expect "the menu opens over the calendar" e2e_screen_differs menu-day before "150x120+$dayx+$dayy"
corner=$(menu_corner)
e2e_check "with its corner at the pointer ($corner)" test "$corner" = "$dayx $dayy"
e2e_choose Down Return
e2e_expect "書き込み/変更... is enabled over a day: it opens the editor" e2e_window_shown "$editor"
e2e_keys_to "$E2E_FOUND" "$editor" && xdotool key Escape
e2e_wait "the editor to close" e2e_window_gone "$editor"

# The title band: the memo entry is grayed, and choosing it does nothing
# (whether or not the menu closes); "設定..." stays enabled.
titlex=$(( x + w / 2 ))
titley=$(( y + h / 16 ))
e2e_open_menu "$titlex" "$titley"
e2e_shot menu-title
e2e_keys_handled 'class:Main Window' Down Return
e2e_check "書き込み/変更... is grayed over the title: choosing it opens nothing" e2e_window_gone "$editor"
e2e_menus_open 0 || e2e_choose Escape
e2e_open_menu "$titlex" "$titley" && e2e_choose Down Down Return
e2e_expect "設定... stays enabled over the title: it opens the sheet" e2e_window_shown "$E2E_SHEET_NAME"
e2e_keys_to "$E2E_FOUND" "$E2E_SHEET" && xdotool key Escape
e2e_wait "the sheet to close" e2e_window_gone "$E2E_SHEET_NAME"

# "終了", the last entry, reached from the keyboard: no question, the
# program ends and saves.
e2e_open_menu "$dayx" "$dayy"
xdotool key Up
e2e_shot menu-exit
e2e_choose Return
e2e_wait_exit
status=$?
e2e_check "終了 ends the program without a question (status $status)" test "$status" -eq 0

ini="$E2E_APP/pelmo.ini"
ini_value() { tr -d '\r' <"$ini" | awk -F= -v s="[$1]" -v k="$2" '$0==s{on=1;next} /^\[/{on=0} on&&$1==k{print $2}'; }
e2e_check "pelmo.ini holds the saved position" \
    test "$(ini_value POSITION LEFT) $(ini_value POSITION TOP)" = "$x $y"
e2e_check "pelmo.ini holds the saved design" test -n "$(ini_value FONT FACENAME)"
e2e_check "temp.ini is gone" test ! -e "$E2E_APP/temp.ini"

e2e_finish
