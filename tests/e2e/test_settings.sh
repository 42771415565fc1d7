#!/usr/bin/env bash
# The settings sheet with real input: "設定..." from the menu, the title
# format changed on the text colour and format page; Cancel leaves the
# calendar and pelmo.ini as they were, OK changes the title at once and
# pelmo.ini holds the format after exit.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

printf '[SHELLLINK]\r\nSTARTUP=0\r\nSTARTMENU=0\r\nDESKTOP=0\r\n' >"$E2E_APP/pelmo.ini"
ini="$E2E_APP/pelmo.ini"
ini_value() { tr -d '\r' <"$ini" | awk -F= -v s="[$1]" -v k="$2" '$0==s{on=1;next} /^\[/{on=0} on&&$1==k{print $2}'; }

e2e_start_app || e2e_finish
read -r x y w h < <(e2e_geometry)
title="$w""x$(( h / 8 ))+$x+$y"
e2e_wait "the calendar's background" e2e_screen_pixel before $(( x + 2 )) $(( y + 2 )) E1FFFF

# The sheet opens over the calendar, its corner on the calendar's; the text
# colour and format page is the third, and "2012 / 06" its numeric title.
# shellcheck disable=SC2317  # run by name through e2e_check, e2e_expect or e2e_wait
open_text_page() {
    e2e_open_sheet 2 &&
        e2e_wait "the text page" e2e_probe_says control "$E2E_SHEET" "$(e2e_id IDC_TEXT_TITLE_NUMERIC)" &&
        e2e_click_control "$E2E_SHEET" IDC_TEXT_TITLE_NUMERIC
}

e2e_check "the sheet opens on its text page" open_text_page
e2e_expect "the sheet shows over the calendar" e2e_screen_differs text-page before "$title"
e2e_click_control "$E2E_SHEET" IDCANCEL
e2e_expect "Cancel closes the sheet" e2e_window_gone "$E2E_SHEET_NAME"
e2e_expect_at_once "Cancel leaves the title as it was" e2e_screen_same cancelled before "$title"
e2e_check "Cancel writes no format" test -z "$(ini_value FORMAT YMTYPE)"

e2e_check "the sheet opens on its text page again" open_text_page
e2e_click_control "$E2E_SHEET" IDOK
e2e_expect "OK closes the sheet" e2e_window_gone "$E2E_SHEET_NAME"
e2e_expect_at_once "OK changes the title at once" e2e_screen_differs confirmed before "$title"

e2e_open_menu $(( x + w / 2 )) $(( y + h / 16 )) && e2e_choose Up Return
e2e_wait_exit
e2e_check "pelmo.ini holds the numeric title format after exit" test "$(ini_value FORMAT YMTYPE)" = 3

e2e_finish
