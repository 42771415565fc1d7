#!/usr/bin/env bash
# A picture background and a registered design as a user meets them: a PNG
# named in pelmo.ini is the background after a start and after a second one;
# "新規登録" from the menu shows its notice and writes the design.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

# A flat green picture: every pixel of the calendar's background is green.
convert -size 24x24 'xc:#3C8C50' "$E2E_APP/photo.png"
picture='Z:'$(echo "$E2E_APP/photo.png" | tr '/' '\\')
printf '[SHELLLINK]\r\nSTARTUP=0\r\nSTARTMENU=0\r\nDESKTOP=0\r\n[BGBRUSH]\r\nSTYLE=3\r\nORGFILE=%s\r\nBITMAP=no key value\r\n' \
    "$picture" >"$E2E_APP/pelmo.ini"

ini="$E2E_APP/pelmo.ini"
ini_value() { tr -d '\r' <"$ini" | awk -F= -v s="[$1]" -v k="$2" '$0==s{on=1;next} /^\[/{on=0} on&&$1==k{print substr($0, length($1) + 2)}'; }

e2e_start_app || e2e_finish
read -r x y w h < <(e2e_geometry)
e2e_shot first-start
e2e_check "the picture is the background after a start" \
    test "$(e2e_pixel first-start $(( x + 2 )) $(( y + 2 )))" = 3C8C50
e2e_check "pelmo.bmp was made from it" test -s "$E2E_APP/pelmo.bmp"

# カレンダーデザイン is the fourth entry from the bottom; 新規登録 opens first.
xdotool mousemove $(( x + w / 2 )) $(( y + h / 16 ))
sleep 0.4
xdotool click 3
sleep 1
xdotool key Up Up Up Up
sleep 0.3
xdotool key Right
sleep 0.5
e2e_shot submenu
xdotool key Return
sleep 0.4
e2e_shot notice
cx=$(( 1024 / 2 - 60 ))
cy=$(( 768 / 2 - 20 ))
e2e_check "the notice shows in the middle of the screen" \
    e2e_differ_region submenu notice "120x40+$cx+$cy"
# It closes after a second; a window system without a window manager may
# take a little longer to take it off the screen.
notice_gone() {
    for _ in $(seq 1 16); do
        sleep 0.5
        e2e_shot after-notice
        e2e_same_region first-start after-notice "120x40+$cx+$cy" && return 0
    done
    return 1
}
e2e_check "the notice closes by itself" notice_gone
e2e_check "DESIGN001 names the picture" test "$(ini_value DESIGN001 BGBRUSH_ORGFILE)" = "$picture"
e2e_check "REGIST counts one design in force" \
    test "$(ini_value REGIST SUM) $(ini_value REGIST CURRENT) $(ini_value REGIST CHANGE)" = "1 1 0"

# 終了, the last entry: the program ends and saves; the picture stays named.
xdotool mousemove $(( x + w / 2 )) $(( y + h / 16 ))
sleep 0.3
xdotool click 3
sleep 1
xdotool key Up Return
e2e_wait_exit 15
e2e_check "the picture is still named after exit" \
    test "$(ini_value BGBRUSH STYLE) $(ini_value BGBRUSH ORGFILE)" = "3 $picture"

e2e_start_app || e2e_finish
e2e_shot second-start
e2e_check "the picture is the background after a second start" \
    test "$(e2e_pixel second-start $(( x + 2 )) $(( y + 2 )))" = 3C8C50

e2e_finish
