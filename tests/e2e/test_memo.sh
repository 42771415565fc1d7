#!/usr/bin/env bash
# A memo as a user writes it: double-click a day, type, press OK; the file
# appears in DATA under the day's name, the cell takes the memo colour, the
# tooltip shows the memo, and emptying the memo removes the file again.
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

rest_on_cell() {
    xdotool mousemove $(( cellx + 12 )) $(( celly + 12 ))
    sleep 0.2
    xdotool mousemove $(( cellx + 14 )) $(( celly + 12 ))
    sleep 1.5
}

wait_for() {
    for _ in $(seq 1 100); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

editor_open() { [ -n "$(xdotool search --onlyvisible --name '書き込み/変更' 2>/dev/null)" ]; }
editor_closed() { ! editor_open; }

# OK lies at 50 to 100 by 200 to 214 of the editor's 220 by 220 units.
press_ok() {
    eval "$(xdotool search --onlyvisible --name '書き込み/変更' getwindowgeometry --shell | head -n 20)"
    xdotool mousemove $(( X + WIDTH * 75 / 220 )) $(( Y + HEIGHT * 207 / 220 )) click 1
}

open_editor() {
    rest_on_cell
    xdotool click --repeat 2 --delay 60 1
    wait_for editor_open
}

# The tooltip of the day without memo: its date alone, one line.
label_area=$(e2e_rest_for_tooltip $(( cellx + 14 )) $(( celly + 12 )) label 500)

e2e_check "a double click on the day opens the editor" open_editor
xdotool type --delay 30 "hello memo"
xdotool key Return
xdotool type --delay 30 "line two"
e2e_shot typed
press_ok
e2e_check "OK closes the editor" wait_for editor_closed
e2e_check "the memo file appears as DATA/$dateline.dat" wait_for test -f "$memo"
expected=$(printf '%s\r\nhello memo\r\nline two' "$dateline" | iconv -f UTF-8 -t CP932 | od -An -tx1)
e2e_check "it holds the typed text in Shift-JIS with CR LF line ends" \
    test "$(od -An -tx1 <"$memo")" = "$expected"

sleep 0.5
e2e_shot marked
marked=$(e2e_count_colour marked 26 23 $(( cellx + 1 )) $(( celly + 1 )) "$memo_colour")
e2e_check "the cell turns the memo colour at once ($marked pixels)" test "$marked" -gt 200

# Resting on the cell now shows the three lines of the memo, a tooltip much
# taller than the one-line date label.
xdotool mousemove 150 300
sleep 0.5
memo_area=$(e2e_rest_for_tooltip $(( cellx + 14 )) $(( celly + 12 )) memo-tip $(( label_area * 2 + 1 )))
e2e_check "the tooltip shows the memo ($memo_area against $label_area pixels)" \
    test "$memo_area" -gt $(( label_area * 2 ))

# Emptying the memo deletes its file and the memo colour goes.
e2e_check "the editor opens again" open_editor
xdotool key ctrl+a Delete
press_ok
e2e_check "OK closes the editor" wait_for editor_closed
e2e_check "the emptied memo's file is gone" wait_for test ! -e "$memo"
sleep 0.5
e2e_shot emptied
left=$(e2e_count_colour emptied 26 23 $(( cellx + 1 )) $(( celly + 1 )) "$memo_colour")
e2e_check "the cell loses the memo colour ($left pixels)" test "$left" -eq 0

e2e_finish
