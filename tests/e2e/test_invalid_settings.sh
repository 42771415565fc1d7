#!/usr/bin/env bash
# A pelmo.ini whose design count is out of range: the start is refused with a
# message, the program ends when it is answered, and nothing is saved.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

printf '[SHELLLINK]\r\nSTARTUP=0\r\n[REGIST]\r\nSUM=1000\r\n' >"$E2E_APP/pelmo.ini"
before=$(md5sum <"$E2E_APP/pelmo.ini")
(cd "$E2E_APP" && exec wine ./pelmo.exe) >/dev/null 2>&1 &
E2E_PID=$!

box=$(e2e_wait_window 'REGIST_SUM' 10)
e2e_check "the message names the key" test -n "$box"
e2e_shot message
eval "$(xdotool getwindowgeometry --shell "$box")"
xdotool mousemove $(( X + WIDTH / 2 )) $(( Y + HEIGHT / 2 )) key Return
e2e_wait_exit 15
status=$?
e2e_check "answering it ends the program (status $status)" test "$status" -eq 0
e2e_check "pelmo.ini is left as it was" test "$before" = "$(md5sum <"$E2E_APP/pelmo.ini")"

e2e_finish
