#!/usr/bin/env bash
# The right-click menu with real input: it opens where the pointer is, offers
# "書き込み/変更..." over a day and grays it over the title, and "終了" ends
# the program at once with the settings saved.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

# Not a first start: the start-up asks nothing.
printf '[SHELLLINK]\r\nSTARTUP=0\r\nSTARTMENU=0\r\nDESKTOP=0\r\n' >"$E2E_APP/pelmo.ini"
e2e_start_app || e2e_finish

# Pixels of the menu text, by colour: enabled entries are drawn black,
# grayed ones #808080. The menu opens with its corner at the pointer; its
# first entry's text lies 4 to 18 pixels below, the third's 30 to 44.
black_pixels() {
    convert "$E2E_DIR/$1.png" -crop "$2" +repage -colorspace gray -threshold 25% -negate \
        -format '%[fx:int(mean*w*h+0.5)]' info:
}
entry_region() { echo "150x14+$(( $1 + 5 ))+$(( $2 + 4 + $3 * 26 ))"; }

open_menu_at() {
    xdotool mousemove "$1" "$2"
    sleep 0.4
    xdotool click 3
    sleep 1
}

read -r x y w h < <(e2e_geometry)
e2e_shot before

# A day cell in the fourth week: the memo entry is offered.
dayx=$(( x + 2 * w / 7 + w / 14 ))
dayy=$(( y + 4 * h / 8 + h / 16 ))
open_menu_at "$dayx" "$dayy"
e2e_shot menu-day
e2e_check "the menu opens over the calendar" \
    e2e_differ_region before menu-day "150x120+$dayx+$dayy"
memo=$(black_pixels menu-day "$(entry_region "$dayx" "$dayy" 0)")
e2e_check "書き込み/変更... is enabled over a day ($memo black pixels)" test "$memo" -gt 50
xdotool key Escape
sleep 0.5

# The title band: the memo entry is grayed, the others are not.
titlex=$(( x + w / 2 ))
titley=$(( y + h / 16 ))
open_menu_at "$titlex" "$titley"
e2e_shot menu-title
memo=$(black_pixels menu-title "$(entry_region "$titlex" "$titley" 0)")
gray=$(e2e_count_colour menu-title 150 14 $(( titlex + 5 )) $(( titley + 4 )) 808080)
settings=$(black_pixels menu-title "$(entry_region "$titlex" "$titley" 1)")
e2e_check "書き込み/変更... is grayed over the title ($memo black, $gray gray pixels)" \
    test "$memo" -eq 0 -a "$gray" -gt 50
e2e_check "設定... stays enabled over the title ($settings black pixels)" test "$settings" -gt 50
xdotool key Escape
sleep 0.5

# "終了", the last entry, reached from the keyboard: no question, the
# program ends and saves.
open_menu_at "$dayx" "$dayy"
xdotool key Up
sleep 0.3
e2e_shot menu-exit
xdotool key Return
e2e_wait_exit 15
status=$?
e2e_check "終了 ends the program without a question (status $status)" test "$status" -eq 0

ini="$E2E_APP/pelmo.ini"
ini_value() { tr -d '\r' <"$ini" | awk -F= -v s="[$1]" -v k="$2" '$0==s{on=1;next} /^\[/{on=0} on&&$1==k{print $2}'; }
e2e_check "pelmo.ini holds the saved position" \
    test "$(ini_value POSITION LEFT) $(ini_value POSITION TOP)" = "$x $y"
e2e_check "pelmo.ini holds the saved design" test -n "$(ini_value FONT FACENAME)"
e2e_check "temp.ini is gone" test ! -e "$E2E_APP/temp.ini"

e2e_finish
