#!/usr/bin/env bash
# The calendar window as a user meets it on a first start (the shortcut
# question answered with Cancel): where it appears, today's cell, paging
# months with keys and the title, moving and resizing by dragging, leaving
# through the exit header with settings saved, and a second start that ends
# at once.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

e2e_start_app || e2e_finish
e2e_check "without pelmo.ini the start asks about shortcuts first" test "$E2E_ASKED" = 1

# No pelmo.ini: the default place and size.
read -r x y w h < <(e2e_geometry)
e2e_check "first start at (100, 100), 196 by 200 (got $x $y $w $h)" \
    test "$x $y $w $h" = "100 100 196 200"

# Today's cell in the today colour (yellow).
first=$(date -d "$(date +%Y-%m-01)" +%w)
day=$(date +%-d)
index=$(( first + day - 1 ))
cellx=$(( 100 + (index % 7) * 28 ))
celly=$(( 100 + (index / 7 + 2) * 25 ))
e2e_expect "today's cell is yellow" e2e_screen_count start 28 25 "$cellx" "$celly" FFFF00 -gt 200

# Paging: Down shows another month, Up brings this one back; the title's
# double click returns from anywhere. Each time the pointer leaves the
# window, so that no hint covers what is compared.
title="196x25+100+100"
xdotool mousemove 150 112 click 1
xdotool key Down
xdotool mousemove 500 500
e2e_expect "Down shows another month" e2e_screen_differs next start "$title"
# Without a window manager the keyboard follows the pointer.
xdotool mousemove 150 112 key Up mousemove 500 500
e2e_expect "Up returns to this month" e2e_screen_same back start "196x200+100+100"
xdotool mousemove 150 112 key Down key Down key Down mousemove 500 500
e2e_wait "three months on" e2e_screen_differs later start "$title"
xdotool mousemove 150 110 click --repeat 2 --delay 60 1
xdotool mousemove 500 500
e2e_expect "the title's double click returns to this month" e2e_screen_same title start "196x200+100+100"

# Dragging the interior moves the window; dragging the corner resizes it.
# The first motion with the button held hands the drag to the system, which
# follows the pointer from there: a one-pixel first step, taken in on its
# own (Wine merges pointer motions that it reads together), then the real
# way once the system's move or size loop runs.
drag() {
    xdotool mousemove "$1" "$2" mousedown 1 mousemove $(( $1 + 1 )) $(( $2 + 1 ))
    e2e_wait "the system's move or size loop" e2e_probe_says moving "class:Main Window"
    xdotool mousemove $(( $1 + 1 + $3 / 2 )) $(( $2 + 1 + $4 / 2 )) \
        mousemove $(( $1 + 1 + $3 )) $(( $2 + 1 + $4 )) mouseup 1
    e2e_wait "the end of the move or size loop" e2e_not e2e_probe_says moving "class:Main Window"
}
drag 198 212 50 40
read -r x y w h < <(e2e_geometry)
e2e_check "dragging moves the window to (150, 140) (got $x $y $w $h)" \
    test "$x $y $w $h" = "150 140 196 200"

drag $(( 150 + 196 - 3 )) $(( 140 + 200 - 3 )) 40 30
read -r x y w h < <(e2e_geometry)
e2e_check "dragging the corner resizes to 236 by 230 (got $x $y $w $h)" \
    test "$x $y $w $h" = "150 140 236 230"
e2e_shot resized

# A second start while the first runs ends at once and changes no file.
before=$(cd "$E2E_APP" && find . -type f -exec md5sum {} + | sort)
(cd "$E2E_APP" && timeout "$E2E_DEADLINE" wine ./pelmo.exe)
second=$?
after=$(cd "$E2E_APP" && find . -type f -exec md5sum {} + | sort)
e2e_check "a second start exits with 0 (got $second)" test "$second" -eq 0
e2e_check "a second start changes no file" test "$before" = "$after"

# The exit header asks; Yes ends the program and saves.
cw=$(( 236 / 7 ))
ch=$(( 230 / 8 ))
xdotool mousemove $(( 150 + 6 * cw + cw / 2 )) $(( 140 + ch + ch / 2 )) click --repeat 2 --delay 60 1
e2e_expect "the exit header asks before leaving" e2e_window_shown '^『ポルカミナ』$'
box=$E2E_FOUND
e2e_shot question
[ -n "$box" ] && e2e_keys_to "$box" "=『ポルカミナ』" && xdotool key Return
e2e_wait_exit
status=$?
e2e_check "Yes ends the program (status $status)" test "$status" -eq 0

ini="$E2E_APP/pelmo.ini"
e2e_check "pelmo.ini was written" test -f "$ini"
ini_value() { tr -d '\r' <"$ini" | awk -F= -v s="[$1]" -v k="$2" '$0==s{on=1;next} /^\[/{on=0} on&&$1==k{print $2}'; }
e2e_check "the new position is saved" \
    test "$(ini_value POSITION LEFT) $(ini_value POSITION TOP) $(ini_value POSITION RIGHT) $(ini_value POSITION BOTTOM)" = "150 140 386 370"
for key in BGBRUSH:STYLE BGBRUSH:COLOR BGBRUSH:HATCH FORMAT:YMTYPE FORMAT:WTYPE FORMAT:CLOCK \
           FORMAT:PARTITION TEXTCOLOR:HOLIDAY TEXTCOLOR:SATURDAY TEXTCOLOR:SUNDAY TEXTCOLOR:WEEKDAY \
           TEXTCOLOR:MONTH TEXTCOLOR:OTHERDAY FONT:CHARSET FONT:FACENAME FONT:ITALIC FONT:WEIGHT \
           FONT:OFFSET FONT:LSHIFT EDITOR:FONTHEIGHT TOOLTIP:FONTHEIGHT TOOLTIP:WIDTH REGIST:SUM \
           REGIST:CURRENT REGIST:CHANGE SHELLLINK:STARTUP SHELLLINK:STARTMENU SHELLLINK:DESKTOP; do
    e2e_check "pelmo.ini holds $key" test -n "$(ini_value "${key%%:*}" "${key##*:}")"
done
e2e_check "the background colour is saved in decimal" test "$(ini_value BGBRUSH COLOR)" = "16777185"
e2e_check "an unregistered first start is marked changed" test "$(ini_value REGIST CHANGE)" = "1"
e2e_check "temp.ini is gone" test ! -e "$E2E_APP/temp.ini"
e2e_check "DATA was made" test -d "$E2E_APP/DATA"
e2e_check "Image was made" test -d "$E2E_APP/Image"

e2e_finish
