#!/usr/bin/env bash
# A picture background and a registered design as a user meets them: a PNG
# named in pelmo.ini is the background after a start and after a second one;
# "新規登録" from the menu shows its notice and writes the design.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

# A flat green picture: every pixel of the calendar's background is green.
convert -size 24x24 'xc:#3C8C50' "$E2E_APP/photo.png"
# shellcheck disable=SC1003  # tr's '\\' is one backslash
picture='Z:'$(echo "$E2E_APP/photo.png" | tr '/' '\\')
printf '[SHELLLINK]\r\nSTARTUP=0\r\nSTARTMENU=0\r\nDESKTOP=0\r\n[BGBRUSH]\r\nSTYLE=3\r\nORGFILE=%s\r\nBITMAP=no key value\r\n' \
    "$picture" >"$E2E_APP/pelmo.ini"

ini="$E2E_APP/pelmo.ini"
ini_value() { tr -d '\r' <"$ini" | awk -F= -v s="[$1]" -v k="$2" '$0==s{on=1;next} /^\[/{on=0} on&&$1==k{print substr($0, length($1) + 2)}'; }
# shellcheck disable=SC2317  # run by name through e2e_check, e2e_expect or e2e_wait
regist() { echo "$(ini_value REGIST SUM) $(ini_value REGIST CURRENT) $(ini_value REGIST CHANGE)"; }

e2e_start_app || e2e_finish
read -r x y w h < <(e2e_geometry)
e2e_expect "the picture is the background after a start" \
    e2e_screen_pixel first-start $(( x + 2 )) $(( y + 2 )) 3C8C50
e2e_check "pelmo.bmp was made from it" test -s "$E2E_APP/pelmo.bmp"

# カレンダーデザイン is the fourth entry from the bottom; 新規登録 opens first.
e2e_open_menu $(( x + w / 2 )) $(( y + h / 16 )) && e2e_open_submenu Up Up Up Up
e2e_shot submenu
xdotool key Return
# The notice (a dialog without title, the only one) closes itself after a
# second: caught by the probe, which answers at once.
notice='class:#32770'
e2e_expect "the notice shows" e2e_probe_says visible "$notice"
read -r left top right bottom < <(e2e_rect "$notice")
e2e_shot notice
e2e_check "the notice shows in the middle of the screen ($left $top $right $bottom)" \
    test $(( (left + right) / 2 - 512 )) -ge -1 -a $(( (left + right) / 2 - 512 )) -le 1 \
    -a $(( (top + bottom) / 2 - 384 )) -ge -1 -a $(( (top + bottom) / 2 - 384 )) -le 1
cx=$(( 1024 / 2 - 60 ))
cy=$(( 768 / 2 - 20 ))
e2e_expect "the notice closes by itself" e2e_screen_same after-notice first-start "120x40+$cx+$cy"
e2e_expect "DESIGN001 names the picture" e2e_output_is "$picture" ini_value DESIGN001 BGBRUSH_ORGFILE
e2e_expect "REGIST counts one design in force" e2e_output_is "1 1 0" regist

# 終了, the last entry: the program ends and saves; the picture stays named.
e2e_open_menu $(( x + w / 2 )) $(( y + h / 16 )) && e2e_choose Up Return
e2e_wait_exit
e2e_check "the picture is still named after exit" \
    test "$(ini_value BGBRUSH STYLE) $(ini_value BGBRUSH ORGFILE)" = "3 $picture"

e2e_start_app || e2e_finish
e2e_expect "the picture is the background after a second start" \
    e2e_screen_pixel second-start $(( x + 2 )) $(( y + 2 )) 3C8C50

e2e_finish
