# Sourced by the end-to-end tests: the real pelmo.exe in a fresh folder, on a
# private virtual display, driven with real input through xdotool.
#
# A test script calls e2e_begin "$@" first; it re-runs itself on its own
# Xvfb, with a fresh folder holding a copy of the executable in $E2E_DIR.

E2E_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
E2E_FAILS=0

e2e_begin() {
    E2E_EXE=$1
    if [ -z "${E2E_ON_DISPLAY:-}" ]; then
        # Windows on the display stay with their wineserver: start clean.
        ( source "$E2E_ROOT/tools/wine-env"; wineserver -k >/dev/null 2>&1 )
        unset DISPLAY
        E2E_ON_DISPLAY=1 exec "$E2E_ROOT/tools/with-display" bash "$0" "$@"
    fi
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

# Prints the id of the first visible window whose title matches $1, waiting
# up to $2 seconds (default 5); prints nothing when none appears.
e2e_wait_window() {
    local id=""
    for _ in $(seq 1 $(( ${2:-5} * 10 ))); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
        [ -n "$id" ] && break
        sleep 0.1
    done
    echo "$id"
}

# Starts the calendar from the test folder without waiting for anything;
# Wine's errors are kept with a failed test's screenshots.
e2e_launch() {
    (cd "$E2E_APP" && WINEDEBUG=fixme-all exec wine ./pelmo.exe) >>"$E2E_DIR/wine.log" 2>&1 &
    E2E_PID=$!
}

# Answers the first start's shortcut question (window $1) with Cancel, by
# the keyboard, which follows the pointer.
e2e_cancel_question() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool mousemove $(( X + WIDTH / 2 )) $(( Y + HEIGHT / 2 ))
    sleep 0.3
    xdotool key Escape
}

# Starts the calendar from the test folder and waits for its window. A
# first start asks where to put shortcuts before the calendar shows: the
# question is answered with Cancel and E2E_ASKED set to 1.
e2e_start_app() {
    e2e_launch
    E2E_WIN=""
    E2E_ASKED=0
    local question
    for _ in $(seq 1 300); do
        E2E_WIN=$(xdotool search --onlyvisible --name 'ポルカミナ' 2>/dev/null | head -n 1)
        [ -n "$E2E_WIN" ] && break
        question=$(xdotool search --onlyvisible --name 'ショートカット設定' 2>/dev/null | head -n 1)
        if [ -n "$question" ] && [ "$E2E_ASKED" = 0 ]; then
            E2E_ASKED=1
            e2e_cancel_question "$question"
        fi
        sleep 0.1
    done
    if [ -z "$E2E_WIN" ]; then
        local alive=ended
        kill -0 "$E2E_PID" 2>/dev/null && alive=running
        e2e_fail "the calendar window did not appear (question asked: $E2E_ASKED, program $alive)"
        xdotool search --name '.' getwindowname %@ 2>/dev/null | sort | uniq -c | sed 's/^/  window: /'
        return 1
    fi
    sleep 1   # first paint
    return 0
}

# Waits up to $1 seconds for the started program to end; gives its status.
e2e_wait_exit() {
    local limit=$(( ${1:-10} * 10 ))
    for _ in $(seq 1 "$limit"); do
        if ! kill -0 "$E2E_PID" 2>/dev/null; then
            wait "$E2E_PID"
            return $?
        fi
        sleep 0.1
    done
    return 124
}

e2e_stop_app() {
    if [ -n "${E2E_PID:-}" ] && kill -0 "$E2E_PID" 2>/dev/null; then
        kill "$E2E_PID" 2>/dev/null
        wineserver -k >/dev/null 2>&1
    fi
}

# Prints "X Y WIDTH HEIGHT" of the calendar window.
e2e_geometry() {
    eval "$(xdotool getwindowgeometry --shell "$E2E_WIN")"
    echo "$X $Y $WIDTH $HEIGHT"
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

# Rests the pointer on X Y until a tooltip of at least MIN white pixels
# shows in the top-left 400 by 300 of the screen, and prints its count.
# A busy machine may be late with the tooltip, and a refresh at a new
# minute hides it: the pointer leaves and rests again, a few times.
e2e_rest_for_tooltip() {
    local x=$1 y=$2 name=$3 min=$4 tip=0
    for _ in 1 2 3 4; do
        xdotool mousemove $(( x - 2 )) "$y"
        sleep 0.2
        xdotool mousemove "$x" "$y"
        sleep 1.5
        e2e_shot "$name"
        tip=$(e2e_count_colour "$name" 400 300 0 0 FFFFFF)
        [ "$tip" -ge "$min" ] && break
        xdotool mousemove 500 500
        sleep 0.3
    done
    echo "$tip"
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
