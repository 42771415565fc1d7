#!/usr/bin/env bash
# The first start of the distribution unzipped into a fresh folder: its
# pelmo.ini holds seven designs and no SHELLLINK section. The start asks where to put
# shortcuts before the calendar shows; "デスクトップ" ticked and OK make a
# link to the executable on the desktop; designs 4 to 7 hold the paths of
# the four pictures beside the executable; the second start asks nothing.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

ini_value() { tr -d '\r' <"$ini" | awk -F= -v s="[$1]" -v k="$2" '$0==s{on=1;next} /^\[/{on=0} on&&$1==k{print substr($0, length($1) + 2)}'; }
# shellcheck disable=SC1003  # tr's '\\' is one backslash
windows_path() { echo "Z:$1" | tr '/' '\\'; }
# The second argument names a file that holds the zip's path.
zip=$(head -n 1 "$2")
rm -rf "$E2E_APP"
python3 -m zipfile -e "$zip" "$E2E_DIR/unzipped"
E2E_APP="$E2E_DIR/unzipped"
ini="$E2E_APP/pelmo.ini"
e2e_check "the zip holds the program, its settings and pictures" \
    test -s "$E2E_APP/pelmo.exe" -a -s "$ini" -a -s "$E2E_APP/Image/Wall.bmp"

# The prefix's desktop is pointed at a folder of the test, so that nothing
# lands on the real one. The shell takes it from the user's shell folders
# (Wine keeps a copy of what it found); both keys are put back at the end,
# once the calendar is gone and the Wine server can store them.
explorer='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer'
desktop="$E2E_DIR/desktop"
mkdir -p "$desktop"
for key in 'User Shell Folders' 'Shell Folders'; do
    wine reg export "$explorer\\$key" "$(windows_path "$E2E_DIR/$key.reg")" /y >/dev/null 2>&1
done
# shellcheck disable=SC2317  # run by the EXIT trap
restore_desktop() {
    for key in 'User Shell Folders' 'Shell Folders'; do
        [ -s "$E2E_DIR/$key.reg" ] && wine reg import "$(windows_path "$E2E_DIR/$key.reg")" >/dev/null 2>&1
    done
    wineserver -w
}
trap 'e2e_stop_app; restore_desktop; e2e_cleanup' EXIT
e2e_check "the desktop's folder is kept to put back" test -s "$E2E_DIR/User Shell Folders.reg"
[ "$E2E_FAILS" -eq 0 ] || e2e_finish
wine reg add "$explorer\\User Shell Folders" /v Desktop /t REG_SZ /d "$(windows_path "$desktop")" /f >/dev/null 2>&1
# The calendar then starts a session of its own, as in every other test,
# rather than one whose desktop process may be on its way out.
wineserver -w

e2e_launch
e2e_expect "the first start asks where to put shortcuts" e2e_window_shown "$E2E_QUESTION"
question=$E2E_FOUND
[ -n "$question" ] || e2e_finish
# Once the program has handled all it had to do before it waits for the
# answer, a calendar shown before it would be on the screen.
e2e_idle "=ショートカット設定"
e2e_check "the calendar waits for the answer" e2e_window_gone "$E2E_CALENDAR"
# OK has the focus, the keyboard follows the pointer: Tab passes Cancel to
# "デスクトップ", Space ticks it, Return presses OK.
e2e_keys_to "$question" "=ショートカット設定" && xdotool key Tab Tab space Return
e2e_expect "the calendar shows once answered" e2e_window_shown "$E2E_CALENDAR"
E2E_WIN=$E2E_FOUND
[ -n "$E2E_WIN" ] || e2e_finish

link="$desktop/ポルカミナ.lnk"
e2e_check "the link on the desktop points to the executable" \
    grep -qaF "$(windows_path "$E2E_APP/pelmo.exe")" "$link"
n=4
for picture in Wall Metal BlueCheck GreenCheck; do
    e2e_check "design $n holds Image\\$picture.bmp beside the executable" \
        test "$(ini_value "DESIGN00$n" BGBRUSH_BITMAP)" = "$(windows_path "$E2E_APP")\\Image\\$picture.bmp"
    n=$(( n + 1 ))
done

# "終了", the last entry of the menu; the ticks are kept at exit.
read -r x y w h < <(e2e_geometry)
e2e_open_menu $(( x + w / 2 )) $(( y + h / 16 )) && e2e_choose Up Return
e2e_wait_exit
e2e_check "SHELLLINK holds STARTUP 0, DESKTOP 1, STARTMENU 0" \
    test "$(ini_value SHELLLINK STARTUP) $(ini_value SHELLLINK DESKTOP) $(ini_value SHELLLINK STARTMENU)" = "0 1 0"

rm -f "$link"
e2e_start_app || e2e_finish
e2e_check "the second start asks nothing" test "$E2E_ASKED" = 0
e2e_check "and makes no link" test ! -e "$link"

e2e_finish
