#!/usr/bin/env bash
# The design list as a user meets it: three registered designs of different
# colours; "デザイン選択..." from the menu; a selection changes the preview,
# "上 へ" reorders, OK makes the chosen design the calendar's look and writes
# the new order; Cancel leaves pelmo.ini byte for byte as it was.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

ini="$E2E_APP/pelmo.ini"
# shellcheck disable=SC2317  # run by name through e2e_check, e2e_expect or e2e_wait
ini_value() { tr -d '\r' <"$ini" | awk -F= -v s="[$1]" -v k="$2" '$0==s{on=1;next} /^\[/{on=0} on&&$1==k{print substr($0, length($1) + 2)}'; }
# Colours as the settings file keeps them (0x00BBGGRR) and as the screen shows them.
red=$(( 0x3030C8 )); green=$(( 0x30A030 )); blue=$(( 0xC83030 ))
{
    printf '[SHELLLINK]\r\nSTARTUP=0\r\nSTARTMENU=0\r\nDESKTOP=0\r\n'
    printf '[BGBRUSH]\r\nSTYLE=0\r\nCOLOR=%d\r\nHATCH=0\r\n' "$red"
    printf '[REGIST]\r\nSUM=3\r\nCURRENT=1\r\nCHANGE=0\r\n'
    n=1
    for colour in $red $green $blue; do
        printf '[DESIGN%03d]\r\nBGBRUSH_STYLE=0\r\nBGBRUSH_COLOR=%d\r\nBGBRUSH_HATCH=0\r\n' $n "$colour"
        n=$(( n + 1 ))
    done
} >"$ini"

e2e_start_app || e2e_finish
read -r x y w h < <(e2e_geometry)
e2e_expect "design 1 (red) is in force" e2e_screen_pixel start $(( x + 2 )) $(( y + 2 )) C83030

list='class:LoadDesign'
# カレンダーデザイン is the fourth entry from the bottom; in it
# "デザイン選択..." is the third entry, two steps down from the first.
# shellcheck disable=SC2317  # run by name through e2e_check, e2e_expect or e2e_wait
open_list() {
    e2e_open_menu $(( x + w / 2 )) $(( y + h / 16 )) && e2e_open_submenu Up Up Up Up || return 1
    xdotool key Down Down
    e2e_shot "$1-menu"
    e2e_choose Return && e2e_wait "the design list" e2e_window_shown '^デザイン選択$'
}
# A point inside the preview, which the list draws at (110, 30) of its
# client area.
preview_point() {
    local cx cy
    read -r cx cy _ < <(e2e_client "$list")
    echo "$(( cx + 112 )) $(( cy + 32 ))"
}
# shellcheck disable=SC2317  # run by name through e2e_check, e2e_expect or e2e_wait
order() { echo "$(ini_value DESIGN002 BGBRUSH_COLOR) $(ini_value DESIGN003 BGBRUSH_COLOR) $(ini_value REGIST CURRENT)"; }

e2e_check "the design list opens from the menu" open_list first
read -r px py < <(preview_point)
e2e_expect "the preview shows design 1" e2e_screen_pixel list "$px" "$py" C83030

# The third entry ("003", blue), clicked in the list.
e2e_click_item "$list" IDC_DESIGN_LIST 2
e2e_expect "selecting 003 previews blue" e2e_screen_pixel selected "$px" "$py" 3030C8

# "上 へ" once: the blue design becomes design 2; then OK.
e2e_click_control "$list" IDC_DESIGN_UP
e2e_click_control "$list" IDOK
e2e_expect "OK closes the list" e2e_window_gone '^デザイン選択$'
e2e_expect "OK puts the chosen design in force" e2e_screen_pixel after-ok $(( x + 2 )) $(( y + 2 )) 3030C8
e2e_expect "pelmo.ini holds the new order" e2e_output_is "$blue $green 2" order

# Opened again, moved and cancelled: nothing is written.
cp "$ini" "$E2E_DIR/before.ini"
e2e_check "the design list opens again" open_list second
e2e_click_item "$list" IDC_DESIGN_LIST 0
e2e_click_control "$list" IDC_DESIGN_DOWN
e2e_click_control "$list" IDCANCEL
e2e_expect "Cancel closes the list" e2e_window_gone '^デザイン選択$'
# Whatever the Cancel set going has run its course.
e2e_idle "class:Main Window"
e2e_shot after-cancel
e2e_check "Cancel leaves pelmo.ini byte for byte" cmp -s "$ini" "$E2E_DIR/before.ini"
e2e_check "the calendar keeps the look of OK" \
    test "$(e2e_pixel after-cancel $(( x + 2 )) $(( y + 2 )))" = 3030C8

e2e_finish
