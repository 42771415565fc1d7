# shellcheck shell=bash
# Sourced by the end-to-end tests: the real pelmo.exe in a fresh folder, on a
# private virtual display, driven with real input through xdotool.
#
# A test script calls e2e_begin "$@" first; it re-runs itself on its own
# Xvfb, with a fresh folder holding a copy of the executable in $E2E_DIR.
#
# Nothing here waits for a time: every wait is e2e_wait, which polls for a
# condition until a deadline. The deadlines are generous, as the machine is
# shared and may be slow; a test that passes never comes near them.

E2E_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
E2E_FAILS=0
E2E_DEADLINE=${E2E_DEADLINE:-60}
E2E_POLL=0.1
E2E_PROBE=${E2E_PROBE:-$E2E_ROOT/build/windows/window_probe.exe}
# The calendar's window, and the windows that test scripts wait for.
E2E_CALENDAR='^ポルカミナ$'
E2E_QUESTION='^ショートカット設定$'

e2e_begin() {
    E2E_EXE=$1
    if [ -z "${E2E_ON_DISPLAY:-}" ]; then
        # Windows on the display stay with their wineserver: start clean.
        # shellcheck source=../../tools/wine-env
        ( source "$E2E_ROOT/tools/wine-env"; wineserver -k >/dev/null 2>&1 )
        unset DISPLAY
        E2E_ON_DISPLAY=1 exec "$E2E_ROOT/tools/with-display" bash "$0" "$@"
    fi
    # shellcheck source=../../tools/wine-env
    source "$E2E_ROOT/tools/wine-env"
    "$E2E_ROOT/tools/wine-prefix"
    E2E_NAME=$(basename "$0" .sh)
    E2E_DIR=$(mktemp -d "/tmp/pelmo-e2e-$E2E_NAME.XXXXXX")
    E2E_KEEP="$E2E_ROOT/build/e2e-failures/$E2E_NAME"
    rm -rf "$E2E_KEEP"
    mkdir -p "$E2E_DIR/app"
    cp "$E2E_EXE" "$E2E_DIR/app/pelmo.exe"
    E2E_APP="$E2E_DIR/app"
    trap e2e_cleanup EXIT
    [ -f "$E2E_PROBE" ] || { echo "FAIL: no window probe at $E2E_PROBE"; exit 1; }
}

e2e_cleanup() {
    e2e_stop_app
    if [ "$E2E_FAILS" -eq 0 ]; then
        rm -rf "$E2E_DIR"
    else
        mkdir -p "$E2E_KEEP"
        cp "$E2E_DIR"/*.png "$E2E_DIR"/*.log "$E2E_KEEP/" 2>/dev/null
        cp -r "$E2E_APP" "$E2E_KEEP/app" 2>/dev/null
        echo "screenshots and files kept in $E2E_KEEP"
        rm -rf "$E2E_DIR"
    fi
}

# --- the one wait -------------------------------------------------------------

# e2e_wait [-t SECONDS] WHAT CONDITION [ARG...]
# Runs CONDITION ARG... until it succeeds or SECONDS (default E2E_DEADLINE)
# have passed. A condition runs in this shell: it leaves what it found in
# E2E_FOUND and what it saw in E2E_SAW. On a timeout this says what was
# awaited, what was seen last and which windows were on the screen, and
# returns 1. E2E_WAITED holds how long the wait took, in milliseconds.
# shellcheck disable=SC2034  # E2E_WAITED is read by the scripts that source this file
e2e_wait() {
    local limit=$E2E_DEADLINE
    if [ "$1" = -t ]; then
        limit=$2
        shift 2
    fi
    local what=$1
    shift
    local start=${EPOCHREALTIME/./}
    local deadline=$(( start + limit * 1000000 ))
    E2E_SAW=""
    until "$@"; do
        if [ "${EPOCHREALTIME/./}" -ge "$deadline" ]; then
            E2E_WAITED=$(( (${EPOCHREALTIME/./} - start) / 1000 ))
            echo "timed out after ${limit} s awaiting $what; saw ${E2E_SAW:-nothing}"
            e2e_list_windows
            return 1
        fi
        sleep "$E2E_POLL"
    done
    E2E_WAITED=$(( (${EPOCHREALTIME/./} - start) / 1000 ))
    return 0
}

# e2e_expect WHAT CONDITION [ARG...]: a check that waits for its condition.
e2e_expect() {
    local what=$1
    shift
    e2e_check "$what" e2e_wait "$what" "$@"
}

# e2e_expect_at_once WHAT CONDITION [ARG...]: a check of what the calendar
# shows at once, not at its next minute (when it paints afresh anyway): the
# calendar is first let handle what it was given, and then has a few
# seconds for its picture to reach the screen.
e2e_expect_at_once() {
    local what=$1
    shift
    e2e_check "$what" e2e_idle_then -t 10 "$what" "$@"
}

e2e_idle_then() {
    e2e_idle "class:Main Window" && e2e_wait "$@"
}

# The visible windows by name, for a report.
e2e_list_windows() {
    local id
    for id in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
        echo "  window $id: '$(xdotool getwindowname "$id" 2>/dev/null)'"
    done
}

# --- conditions ---------------------------------------------------------------

# The condition $@ does not hold.
e2e_not() {
    if "$@"; then
        E2E_SAW="still: $*"
        return 1
    fi
    return 0
}

# A visible window whose name matches the regular expression $1; its id in
# E2E_FOUND.
e2e_window_shown() {
    E2E_FOUND=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
    E2E_SAW="no visible window named /$1/"
    [ -n "$E2E_FOUND" ]
}

e2e_window_gone() {
    local ids
    ids=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tr '\n' ' ')
    E2E_SAW="window(s) $ids named /$1/ still shown"
    [ -z "$ids" ]
}

# The probe answers yes to its question; what it printed in E2E_FOUND.
e2e_probe_says() {
    local status
    E2E_FOUND=$(e2e_probe "$@")
    status=$?
    E2E_SAW="window_probe $* answering $status${E2E_FOUND:+ ($E2E_FOUND)}"
    [ "$status" -eq 0 ]
}

# $1 popup menus are open.
e2e_menus_open() {
    E2E_FOUND=$(e2e_probe menus)
    E2E_SAW="${E2E_FOUND:-no answer on} popup menus"
    [ "$E2E_FOUND" = "$1" ]
}

# A fresh screenshot $1 whose pixel $2 $3 is RRGGBB $4.
e2e_screen_pixel() {
    e2e_shot "$1"
    E2E_FOUND=$(e2e_pixel "$1" "$2" "$3")
    E2E_SAW="pixel ($2, $3) of $E2E_FOUND"
    [ "$E2E_FOUND" = "$4" ]
}

# A fresh screenshot $1 whose region $3 (WxH+X+Y) is the same as in the
# screenshot $2, or differs from it.
e2e_screen_same() {
    e2e_shot "$1"
    E2E_SAW="$3 of $1 differing from $2"
    e2e_same_region "$2" "$1" "$3"
}

e2e_screen_differs() {
    e2e_shot "$1"
    E2E_SAW="$3 of $1 the same as in $2"
    ! e2e_same_region "$2" "$1" "$3"
}

# A fresh screenshot $1 whose region W H X Y ($2 to $5) holds a number of
# pixels of colour RRGGBB $6 for which `test COUNT $7 $8` holds; the count in
# E2E_FOUND.
e2e_screen_count() {
    e2e_shot "$1"
    E2E_FOUND=$(e2e_count_colour "$1" "$2" "$3" "$4" "$5" "$6")
    E2E_SAW="$E2E_FOUND pixels of #$6 in $2x$3+$4+$5"
    test "$E2E_FOUND" "$7" "$8"
}

# The output of the command $2... is $1.
e2e_output_is() {
    E2E_FOUND=$("${@:2}")
    E2E_SAW="'$E2E_FOUND' from ${*:2}"
    [ "$E2E_FOUND" = "$1" ]
}

e2e_file_exists() {
    E2E_SAW="no file $1"
    [ -e "$1" ]
}

e2e_file_gone() {
    E2E_SAW="the file $1"
    [ ! -e "$1" ]
}

# The started program has ended; its exit status in E2E_STATUS.
e2e_program_ended() {
    E2E_SAW="the program still running"
    kill -0 "$E2E_PID" 2>/dev/null && return 1
    wait "$E2E_PID"
    E2E_STATUS=$?
    return 0
}

# --- the program's side -------------------------------------------------------

# Asks window_probe (see its source) from inside the Wine session.
e2e_probe() {
    local out status
    out=$(wine "$E2E_PROBE" "$@" 2>/dev/null)
    status=$?
    printf '%s' "${out//$'\r'/}"
    return "$status"
}

# e2e_idle WINDOW: returns once the program has handled every message that
# was waiting for it. The probe asks WINDOW (a window pattern of window_probe;
# a visible one, as a hidden window is never painted) to paint one pixel
# again and waits until it has: a thread is handed a
# paint only when no sent, posted or input message is waiting for it, and
# this program paints only in its paint handlers. What X has not yet handed
# to the program is not covered: see e2e_keys_handled.
e2e_idle() {
    e2e_probe invalidate "$1" >/dev/null || {
        echo "no visible window $1 to wait on"
        return 1
    }
    e2e_wait "$1 to have handled its messages" e2e_probe_says painted "$1"
}

# e2e_keys_handled WINDOW KEY...: presses the keys and returns once the
# program has handled them, for a check that a key does nothing. The
# pointer rests inside a window of the program's thread, two pixels or
# more from its edges; WINDOW is the visible window to wait on.
#
# Waiting for a paint right after the keys would not do: a Wine thread
# turns X events into input only when it reads its X connection, mostly
# when it finds no message waiting, so a paint asked for at once may be
# handled before the keys ever reach it. The keys are therefore followed by
# a one-pixel pointer move within the same X window: X hands both to the
# thread that owns that window, on its one connection, in that order, and
# the thread gives each to the system as it reads it. Once the system's
# pointer history holds the new position, the keys are in the thread's
# input queue or handled. (The history, unlike the cursor position, shows
# only positions a thread has read: see window_probe's pointer question.)
# From there e2e_idle waits until that queue is empty.
e2e_keys_handled() {
    local window=$1 x y nx ny step fresh=""
    shift
    eval "$(xdotool getmouselocation --shell)"
    x=$X
    y=$Y
    # A position the history does not hold yet.
    for step in "1 0" "0 1" "-1 0" "0 -1" "1 1" "-1 -1" "1 -1" "-1 1" "2 0" "0 2"; do
        read -r nx ny <<<"$step"
        nx=$(( x + nx ))
        ny=$(( y + ny ))
        if ! e2e_probe pointer "$nx" "$ny" >/dev/null; then
            fresh=1
            break
        fi
    done
    [ -n "$fresh" ] || {
        echo "the pointer history holds every place next to ($x, $y)"
        return 1
    }
    xdotool key "$@" mousemove "$nx" "$ny"
    e2e_wait "the program to take in the keys $* and the pointer at ($nx, $ny)" \
        e2e_probe_says pointer "$nx" "$ny" && e2e_idle "$window"
}

# Launches the calendar from the test folder; Wine's errors are kept with a
# failed test's screenshots.
e2e_launch() {
    (cd "$E2E_APP" && WINEDEBUG=${E2E_WINEDEBUG:-fixme-all} exec wine ./pelmo.exe) >>"$E2E_DIR/wine.log" 2>&1 &
    E2E_PID=$!
}

# Points at the middle of the window with X id $1, where the keyboard
# follows the pointer (there is no window manager), and waits until the
# program has put the keyboard focus into that window (pattern $2).
e2e_keys_to() {
    [ -n "$1" ] || return 1
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool mousemove $(( X + WIDTH / 2 )) $(( Y + HEIGHT / 2 ))
    e2e_wait "the keyboard focus in $2" e2e_probe_says focus "$2"
}

# A condition: the calendar is shown. A first start asks where to put
# shortcuts first; the question is answered with Cancel and E2E_ASKED set.
e2e_calendar_after_question() {
    e2e_window_shown "$E2E_CALENDAR" && return 0
    local question
    question=$(xdotool search --onlyvisible --name "$E2E_QUESTION" 2>/dev/null | head -n 1)
    if [ -n "$question" ] && [ "$E2E_ASKED" = 0 ]; then
        E2E_ASKED=1
        e2e_keys_to "$question" "=ショートカット設定" && xdotool key Escape
    fi
    local alive=ended
    kill -0 "$E2E_PID" 2>/dev/null && alive=running
    E2E_SAW="no calendar (question asked: $E2E_ASKED, program $alive)"
    return 1
}

# Starts the calendar and waits until its first frame is on the screen;
# the calendar's X id in E2E_WIN.
e2e_start_app() {
    e2e_launch
    E2E_ASKED=0
    if ! e2e_wait "the calendar" e2e_calendar_after_question; then
        e2e_fail "the calendar window did not appear"
        sed 's/^/  wine: /' "$E2E_DIR/wine.log" | tail -n 20
        return 1
    fi
    E2E_WIN=$E2E_FOUND
    e2e_idle "class:Main Window" || {
        e2e_fail "the calendar did not paint its first frame"
        return 1
    }
}

# Waits for the started program to end; gives its status.
e2e_wait_exit() {
    e2e_wait "the program to end" e2e_program_ended || return 124
    return "$E2E_STATUS"
}

e2e_stop_app() {
    if [ -n "${E2E_PID:-}" ] && kill -0 "$E2E_PID" 2>/dev/null; then
        kill "$E2E_PID" 2>/dev/null
        wineserver -k >/dev/null 2>&1
    fi
}

# --- menus ----------------------------------------------------------------------

# Right-clicks at X Y and waits for the popup menu; its keys then go to the
# menu (another process cannot read a popup's entries under Wine, so menus
# are walked by keys). A right click soon after another one and within the
# system's double-click distance of it (4 pixels) is a double click, which
# opens no menu: such a click moves 5 pixels down.
E2E_LAST_MENU_AT="-100 -100"
e2e_open_menu() {
    local x=$1 y=$2 lx ly
    read -r lx ly <<<"$E2E_LAST_MENU_AT"
    if [ $(( (x - lx) * (x - lx) <= 16 && (y - ly) * (y - ly) <= 16 )) = 1 ]; then
        y=$(( y + 5 ))
    fi
    E2E_LAST_MENU_AT="$x $y"
    xdotool mousemove "$x" "$y" click 3
    e2e_wait "the popup menu" e2e_menus_open 1
}

# Opens the sub-menu of the entry reached by the keys $@ from an open menu.
e2e_open_submenu() {
    xdotool key "$@" Right
    e2e_wait "the sub-menu" e2e_menus_open 2
}

# Presses the keys $@ in an open menu; the last one chooses, and the menus
# close.
e2e_choose() {
    xdotool key "$@"
    e2e_wait "the menu to close" e2e_menus_open 0
}

# The settings sheet, as window_probe and as X know it.
E2E_SHEET='=設定 － 『ポルカミナ』'
E2E_SHEET_NAME='^設定 － 『ポルカミナ』$'

# "設定..." from the menu over a day (the third entry, past the memo
# entry); returns once the sheet is open with its page $1 (the first is 0)
# in front, chosen by a click on its tab.
e2e_open_sheet() {
    local x y w h
    read -r x y w h < <(e2e_geometry)
    e2e_open_menu $(( x + w / 2 )) $(( y + 5 * h / 8 )) && e2e_choose Down Down Return &&
        e2e_wait "the settings sheet" e2e_window_shown "$E2E_SHEET_NAME" || return 1
    [ "$1" -eq 0 ] || e2e_click_middle "$(e2e_probe tab "$E2E_SHEET" "$1")"
}

# --- the screen -----------------------------------------------------------------

# Prints "X Y WIDTH HEIGHT" of the calendar window.
e2e_geometry() {
    eval "$(xdotool getwindowgeometry --shell "$E2E_WIN")"
    echo "$X $Y $WIDTH $HEIGHT"
}

# Prints "LEFT TOP RIGHT BOTTOM" of a window (a pattern of window_probe), or of
# its control with the id $2.
e2e_rect() {
    e2e_probe rect "$@"
}

# The number of a control id named in res/*.h (IDOK and IDCANCEL are the
# system's).
e2e_id() {
    case $1 in
        IDOK) echo 1 ;;
        IDCANCEL) echo 2 ;;
        *) awk -v name="$1" '$1 == "#define" && $2 == name { print $3; exit }' "$E2E_ROOT"/res/*.h ;;
    esac
}

# Prints "X Y WIDTH HEIGHT" of the client area of a window (a pattern of
# window_probe) on the screen.
e2e_client() {
    e2e_probe client "$1"
}

# Clicks the middle of a rectangle "LEFT TOP RIGHT BOTTOM".
e2e_click_middle() {
    local left top right bottom
    read -r left top right bottom <<<"$1"
    [ -n "$bottom" ] || return 1
    xdotool mousemove $(( (left + right) / 2 )) $(( (top + bottom) / 2 )) click 1
}

# Clicks the middle of the control named $2 (an id of res/*.h) in the
# window $1, where the control itself says it is.
e2e_click_control() {
    e2e_click_middle "$(e2e_rect "$1" "$(e2e_id "$2")")" || {
        echo "no control $2 in $1"
        return 1
    }
}

# Clicks the middle of entry $3 (from 0) of the list box named $2 in the
# window $1.
e2e_click_item() {
    e2e_click_middle "$(e2e_probe item "$1" "$(e2e_id "$2")" "$3")" || {
        echo "no entry $3 in the list $2 of $1"
        return 1
    }
}

e2e_shot() {
    import -window root "$E2E_DIR/$1.png"
}

# Prints the colour of one pixel of a screenshot as RRGGBB.
e2e_pixel() {
    convert "$E2E_DIR/$1.png" -crop "1x1+$2+$3" -depth 8 txt:- | tail -n 1 | grep -o '#[0-9A-F]\{6\}' | tr -d '#'
}

# Counts the pixels of colour RRGGBB in a region W H X Y of a screenshot:
# the region's size less the pixels that differ from a plain RRGGBB field.
e2e_count_colour() {
    local differ
    convert "$E2E_DIR/$1.png" -crop "$2x$3+$4+$5" +repage "$E2E_DIR/count.png"
    differ=$(compare -metric AE "$E2E_DIR/count.png" -size "$2x$3" "xc:#$6" null: 2>&1)
    echo $(( $2 * $3 - ${differ%% *} ))
}

# A condition: a tooltip of at least $4 white pixels shows in the top-left
# 400 by 300 of the screen (screenshot $3) while the pointer rests on $1 $2;
# its count in E2E_FOUND. A refresh at a new minute hides a tooltip until
# the pointer moves again, so a pointer that has rested a few seconds in
# vain leaves and rests again.
E2E_RESTED_AT=0
e2e_tooltip_shown() {
    local now=${EPOCHREALTIME%.*}
    if [ $(( now - E2E_RESTED_AT )) -ge 4 ]; then
        xdotool mousemove $(( $1 - 2 )) "$2" mousemove "$1" "$2"
        E2E_RESTED_AT=$now
    fi
    e2e_screen_count "$3" 400 300 0 0 FFFFFF -ge "$4"
}

# Rests the pointer on X Y until a tooltip of at least MIN white pixels
# shows, and prints its count (screenshot NAME).
e2e_rest_for_tooltip() {
    local x=$1 y=$2 name=$3 min=$4
    E2E_RESTED_AT=0
    e2e_wait "a tooltip at ($x, $y)" e2e_tooltip_shown "$x" "$y" "$name" "$min" >&2
    echo "${E2E_FOUND:-0}"
}

# Compares a region of two screenshots; true when identical.
e2e_same_region() {
    local a=$1 b=$2 geometry=$3
    convert "$E2E_DIR/$a.png" -crop "$geometry" +repage "$E2E_DIR/cmp-a.png"
    convert "$E2E_DIR/$b.png" -crop "$geometry" +repage "$E2E_DIR/cmp-b.png"
    [ "$(compare -metric AE "$E2E_DIR/cmp-a.png" "$E2E_DIR/cmp-b.png" null: 2>&1)" = "0" ]
}

e2e_differ_region() {
    ! e2e_same_region "$@"
}

# --- results --------------------------------------------------------------------

e2e_fail() {
    echo "FAIL: $*"
    E2E_FAILS=$((E2E_FAILS + 1))
    e2e_shot "failure-$E2E_FAILS" 2>/dev/null
}

e2e_check() {
    local what=$1
    shift
    if "$@"; then
        echo "ok: $what"
    else
        e2e_fail "$what"
    fi
}

e2e_finish() {
    if [ "$E2E_FAILS" -eq 0 ]; then
        echo "$E2E_NAME: all checks passed"
        exit 0
    fi
    echo "$E2E_NAME: $E2E_FAILS check(s) failed"
    exit 1
}
