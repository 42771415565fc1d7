#!/usr/bin/env bash
# Libraries planted beside pelmo.exe under the names of system libraries the
# calendar loads (gdiplus.dll, comctl32.dll), as when it is started from a
# folder of downloads: the calendar starts, paints and shows its tooltips
# with the system's own libraries, and neither planted one is ever loaded.
# Wine prefers its builtin libraries; the override gives Windows' order.
# Arguments: pelmo.exe, the planted gdiplus.dll and comctl32.dll.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

planted=("${@:2}")
e2e_check "two planted libraries are given" test "${#planted[@]}" -eq 2
for library in "${planted[@]}"; do
    cp "$library" "$E2E_APP/"
done
printf '[SHELLLINK]\r\nSTARTUP=0\r\n' >"$E2E_APP/pelmo.ini"
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;gdiplus,comctl32=n,b"

e2e_start_app || e2e_finish

# Painted: the default background fills the window around the texts, and
# today's cell has its colour.
xdotool mousemove 500 500
e2e_expect "the calendar is painted in its background colour" \
    e2e_screen_count start 196 200 100 100 E1FFFF -gt 20000
first=$(date -d "$(date +%Y-%m-01)" +%w)
index=$(( first + $(date +%-d) - 1 ))
e2e_expect "today's cell is yellow" \
    e2e_screen_count start 28 25 $(( 100 + (index % 7) * 28 )) $(( 100 + (index / 7 + 2) * 25 )) FFFF00 -gt 200

# Resting on a day shows its tooltip, white on the black desktop: the
# common controls were loaded.
tip=$(e2e_rest_for_tooltip 114 162 tooltip 500)
e2e_check "resting on a day shows a tooltip ($tip pixels)" test "$tip" -gt 500

for library in gdiplus comctl32; do
    e2e_check "the planted $library.dll was not loaded" test ! -e "$E2E_APP/$library.dll.loaded"
done

e2e_finish
