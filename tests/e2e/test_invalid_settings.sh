#!/usr/bin/env bash
# A pelmo.ini whose design count is out of range: the start is refused with a
# message, the program ends when it is answered, and nothing is saved.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

printf '[SHELLLINK]\r\nSTARTUP=0\r\n[REGIST]\r\nSUM=1000\r\n' >"$E2E_APP/pelmo.ini"
before=$(md5sum <"$E2E_APP/pelmo.ini")
e2e_launch

e2e_expect "the message names the key" e2e_window_shown 'REGIST_SUM'
box=$E2E_FOUND
[ -n "$box" ] || e2e_finish
e2e_shot message
e2e_keys_to "$box" "REGIST_SUM" && xdotool key Return
e2e_wait_exit
status=$?
e2e_check "answering it ends the program (status $status)" test "$status" -eq 0
e2e_check "pelmo.ini is left as it was" test "$before" = "$(md5sum <"$E2E_APP/pelmo.ini")"

e2e_finish
