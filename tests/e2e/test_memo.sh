#!/usr/bin/env bash
# A memo as a user writes it: double-click a day, type, press OK; the file
# appears in DATA under the day's name, the cell takes the memo colour, the
# tooltip shows the memo, and emptying the memo removes the file again.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

e2e_start_app || e2e_finish

# A day of this month that is not today (today's cell has a colour of its own).
day=14
[ "$(date +%-d)" = 14 ] && day=15
first=$(date -d "$(date +%Y-%m-01)" +%w)
index=$(( first + day - 1 ))
cellx=$(( 100 + (index % 7) * 28 ))
celly=$(( 100 + (index / 7 + 2) * 25 ))
weekdays=(日 月 火 水 木 金 土)
weekday=${weekdays[$(date -d "$(date +%Y-%m)-$day" +%w)]}
dateline=$(printf '%s年%s月%02d日(%s)' "$(date +%Y)" "$(date +%m)" "$day" "$weekday")
memo="$E2E_APP/DATA/$dateline.dat"
memo_colour=00FFFF

editor='書き込み/変更'
# shellcheck disable=SC2317  # run by name through e2e_check, e2e_expect or e2e_wait
editor_open() { e2e_window_shown "$editor"; }
# shellcheck disable=SC2317  # run by name through e2e_check, e2e_expect or e2e_wait
editor_closed() { e2e_window_gone "$editor"; }
# shellcheck disable=SC2317  # run by name through e2e_check, e2e_expect or e2e_wait
memo_bytes() { od -An -tx1 <"$memo"; }

# The pointer passes over the day (the calendar remembers the day last
# hovered), a double click there opens the editor, and the keyboard, which
# follows the pointer, goes to it.
# shellcheck disable=SC2317  # run by name through e2e_check, e2e_expect or e2e_wait
open_editor() {
    xdotool mousemove $(( cellx + 12 )) $(( celly + 12 )) mousemove $(( cellx + 14 )) $(( celly + 12 )) \
        click --repeat 2 --delay 60 1
    e2e_wait "the editor" editor_open && e2e_keys_to "$E2E_FOUND" "$editor"
}

# The tooltip of the day without memo: its date alone, one line.
label_area=$(e2e_rest_for_tooltip $(( cellx + 14 )) $(( celly + 12 )) label 500)

e2e_check "a double click on the day opens the editor" open_editor
xdotool type --delay 30 "hello memo"
xdotool key Return
xdotool type --delay 30 "line two"
e2e_shot typed
e2e_click_control "$editor" IDOK
e2e_expect "OK closes the editor" editor_closed
e2e_expect "the memo file appears as DATA/$dateline.dat" e2e_file_exists "$memo"
expected=$(printf '%s\r\nhello memo\r\nline two' "$dateline" | iconv -f UTF-8 -t CP932 | od -An -tx1)
e2e_expect "it holds the typed text in Shift-JIS with CR LF line ends" e2e_output_is "$expected" memo_bytes

e2e_expect_at_once "the cell turns the memo colour at once" \
    e2e_screen_count marked 26 23 $(( cellx + 1 )) $(( celly + 1 )) "$memo_colour" -gt 200

# Resting on the cell now shows the three lines of the memo, a tooltip much
# taller than the one-line date label.
xdotool mousemove 150 300
memo_area=$(e2e_rest_for_tooltip $(( cellx + 14 )) $(( celly + 12 )) memo-tip $(( label_area * 2 + 1 )))
e2e_check "the tooltip shows the memo ($memo_area against $label_area pixels)" \
    test "$memo_area" -gt $(( label_area * 2 ))

# Emptying the memo deletes its file and the memo colour goes.
e2e_check "the editor opens again" open_editor
xdotool key ctrl+a Delete
e2e_click_control "$editor" IDOK
e2e_expect "OK closes the editor" editor_closed
e2e_expect "the emptied memo's file is gone" e2e_file_gone "$memo"
e2e_expect_at_once "the cell loses the memo colour at once" \
    e2e_screen_count emptied 26 23 $(( cellx + 1 )) $(( celly + 1 )) "$memo_colour" -eq 0

e2e_finish
