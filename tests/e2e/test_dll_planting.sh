#!/usr/bin/env bash
# Libraries planted beside pelmo.exe under the names of the system libraries
# the calendar loads after its start (gdiplus.dll, comctl32.dll,
# comdlg32.dll), as when it is started from a folder of downloads: the
# calendar converts its picture, paints, shows its tooltips and opens the
# colour chooser with the system's own libraries, and no planted one is ever
# loaded. Wine prefers its builtin libraries; the override gives Windows'
# order.
# Arguments: pelmo.exe, the planted gdiplus.dll, comctl32.dll and comdlg32.dll.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"

planted=("${@:2}")
e2e_check "three planted libraries are given" test "${#planted[@]}" -eq 3
for library in "${planted[@]}"; do
    cp "$library" "$E2E_APP/"
done
# A PNG background: the start converts it through GDI+.
convert -size 64x64 xc:'#3060C0' "$E2E_APP/picture.png"
picture=$(winepath -w "$E2E_APP/picture.png" 2>/dev/null)
printf '[SHELLLINK]\r\nSTARTUP=0\r\n[BGBRUSH]\r\nSTYLE=3\r\nBITMAP=no key value\r\nORGFILE=%s\r\n' \
    "$picture" >"$E2E_APP/pelmo.ini"
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;gdiplus,comctl32,comdlg32=n,b"

e2e_start_app || e2e_finish

# Painted on the picture, converted by the system's GDI+; today's cell has
# its colour.
xdotool mousemove 500 500
e2e_expect "the calendar is painted on its picture" \
    e2e_screen_count start 196 200 100 100 3060C0 -gt 20000
e2e_check "the picture was converted into pelmo.bmp" test -s "$E2E_APP/pelmo.bmp"
first=$(date -d "$(date +%Y-%m-01)" +%w)
index=$(( first + $(date +%-d) - 1 ))
e2e_expect "today's cell is yellow" \
    e2e_screen_count start 28 25 $(( 100 + (index % 7) * 28 )) $(( 100 + (index / 7 + 2) * 25 )) FFFF00 -gt 200

# Resting on a day shows its tooltip, white on the black desktop: the
# common controls were loaded.
tip=$(e2e_rest_for_tooltip 114 162 tooltip 500)
e2e_check "resting on a day shows a tooltip ($tip pixels)" test "$tip" -gt 500

# "設定..." opens the sheet on its background page, whose colour button
# shows the common dialogs' colour chooser.
e2e_check "the settings sheet opens" e2e_open_sheet 0
e2e_click_control "$E2E_SHEET" IDC_BACKGROUND_COLOUR
e2e_expect "the colour chooser opens" e2e_window_shown '^色$'
xdotool key Escape
e2e_expect "the colour chooser closes" e2e_window_gone '^色$'
e2e_click_control "$E2E_SHEET" IDCANCEL
e2e_expect "the sheet closes" e2e_window_gone "$E2E_SHEET_NAME"

for library in gdiplus comctl32 comdlg32; do
    e2e_check "the planted $library.dll was not loaded" test ! -e "$E2E_APP/$library.dll.loaded"
done

e2e_finish
