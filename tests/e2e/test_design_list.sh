#!/usr/bin/env bash
# The design list as a user meets it: three registered designs of different
# colours; "デザイン選択..." from the menu; a selection changes the preview,
# "上 へ" reorders, OK makes the chosen design the calendar's look and writes
# the new order; Cancel leaves pelmo.ini byte for byte as it was.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

ini="$E2E_APP/pelmo.ini"
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
e2e_shot start
e2e_check "design 1 (red) is in force" test "$(e2e_pixel start $(( x + 2 )) $(( y + 2 )))" = C83030

# カレンダーデザイン is the fourth entry from the bottom; in it
# "デザイン選択..." is the third entry, two steps down from the first.
open_list() {
    xdotool mousemove $(( x + w / 2 )) $(( y + h / 16 ))
    sleep 0.4
    xdotool click 3
    sleep 1
    xdotool key Up Up Up Up
    sleep 0.3
    xdotool key Right
    sleep 0.5
    xdotool key Down Down
    sleep 0.3
    e2e_shot "$1-menu"
    xdotool key Return
    sleep 1
}
# The list window's client area on the screen.
list_origin() {
    local id
    id=$(xdotool search --name 'デザイン選択' | head -1)
    [ -n "$id" ] || return 1
    eval "$(xdotool getwindowgeometry --shell "$id")"
    echo "$X $Y"
}

# Waits until the list has left the screen (OK applies a design first).
list_closed() {
    for _ in $(seq 1 40); do
        [ -z "$(xdotool search --onlyvisible --name 'デザイン選択' 2>/dev/null)" ] && return 0
        sleep 0.25
    done
    return 1
}

open_list first
read -r lx ly < <(list_origin) || e2e_fail "the design list did not open"
e2e_shot list
e2e_check "the preview shows design 1" test "$(e2e_pixel list $(( lx + 114 )) $(( ly + 33 )))" = C83030

# The third entry ("003", blue), clicked in the list.
xdotool mousemove $(( lx + 40 )) $(( ly + 32 + 2 * 13 + 6 )) click 1
sleep 0.8
e2e_shot selected
e2e_check "selecting 003 previews blue" test "$(e2e_pixel selected $(( lx + 114 )) $(( ly + 33 )))" = 3030C8

# "上 へ" once: the blue design becomes design 2; then OK.
xdotool mousemove $(( lx + 390 )) $(( ly + 64 )) click 1
sleep 0.5
xdotool mousemove $(( lx + 290 )) $(( ly + 262 )) click 1
e2e_check "OK closes the list" list_closed
sleep 0.5
e2e_shot after-ok
e2e_check "OK puts the chosen design in force" \
    test "$(e2e_pixel after-ok $(( x + 2 )) $(( y + 2 )))" = 3030C8
e2e_check "pelmo.ini holds the new order" \
    test "$(ini_value DESIGN002 BGBRUSH_COLOR) $(ini_value DESIGN003 BGBRUSH_COLOR) $(ini_value REGIST CURRENT)" \
    = "$blue $green 2"

# Opened again, moved and cancelled: nothing is written.
cp "$ini" "$E2E_DIR/before.ini"
open_list second
read -r lx ly < <(list_origin) || e2e_fail "the design list did not open again"
xdotool mousemove $(( lx + 40 )) $(( ly + 32 + 6 )) click 1
sleep 0.5
xdotool mousemove $(( lx + 390 )) $(( ly + 86 )) click 1
sleep 0.5
xdotool mousemove $(( lx + 400 )) $(( ly + 262 )) click 1
e2e_check "Cancel closes the list" list_closed
sleep 0.5
e2e_shot after-cancel
e2e_check "Cancel leaves pelmo.ini byte for byte" cmp -s "$ini" "$E2E_DIR/before.ini"
e2e_check "the calendar keeps the look of OK" \
    test "$(e2e_pixel after-cancel $(( x + 2 )) $(( y + 2 )))" = 3030C8

e2e_finish
