#!/usr/bin/env bash
# Runs the real program on a virtual X screen under the openbox window manager, at 1024x768 and
# 1280x1024: the menu form's outer geometry, then help and the calculator opened by mouse clicks
# take the keyboard (an Esc typed at once closes each), stand above the menu form in the window
# manager's stacking order and stay there when the menu form is clicked; Esc closes the help window;
# the search form's help stands above the search form; Salir ends the program with status 0.
# The hand: a click made while a screen is built is handled once it is built, with no further pointer
# motion; the record card follows the pointer only while the button is held (bursts of press, slide
# and release, a busy moment, a click on a button and a slide, a real drag, and a drag from the second
# press of a double click, also on the search form); a search form opened by a double click keeps the
# keyboard, also after a click on the menu form; and the mouse tests' cases that need a real X server
# (the wait window on the screen before the work starts, a click made during the work handled as it
# ends); the card's print dialog has the keyboard back when its printer properties close.
# No fixed waits before a check: each polls for what it expects, and a check that something did not
# happen first waits for a later effect of the program (a picture button lit by the pointer), which it
# shows only after handling the earlier X events.
# Usage: smoke_openbox.sh <program> <installation folder> <mouse tests>
# At 1280x1024 it also runs without a window manager: the form's place, Esc typed at once closes help,
# and the card's drags.
# SMOKE_SCREENSHOTS=<folder> keeps a screenshot of each screen (needs imagemagick's import).
set -uo pipefail

program=$1
installation=$2
mouse_tests=$3
for tool in Xvfb openbox xdotool xprop xwininfo xmessage import; do
    if ! command -v "$tool" >/dev/null; then
        echo "missing $tool: run scripts/setup-debian.sh" >&2
        exit 1
    fi
done

work=$(mktemp -d)
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null
    done
    for pid in "${pids[@]}"; do
        wait "$pid" 2>/dev/null
    done
    pids=()
}
trap 'cleanup; rm -rf "$work"' EXIT

source "$(dirname "${BASH_SOURCE[0]}")/smoke_x11.sh"

failures=0
fail() {
    echo "FAIL [$size]: $*" >&2
    failures=$((failures + 1))
}

above_menu() { above "$1" "$menu"; }

click_menu() { click_window "$menu" "$@"; }

# A window just opened by a click on the menu form at $2 $3, titled $1, takes the keyboard: an Esc
# typed at once, to whatever has the focus, closes it. Then it is opened again, into $reopened.
escape_at_once() {
    local title=$1 x=$2 y=$3 window=""
    reopened=""
    if ! wait_for 10 eval 'window=$(client_named "$title")'; then
        fail "$title did not open"
        return 1
    fi
    wait_for 10 eval '[ "$(active_window)" = "$window" ]' || fail "$title did not take the keyboard"
    xdotool key --clearmodifiers Escape
    wait_for 10 eval '! client_named "$title" >/dev/null' || fail "Esc typed at once did not close $title"
    # Past the double-click time: a second click at once would be a double click, one click.
    sleep 0.6
    click_menu "$x" "$y"
    wait_for 10 eval 'reopened=$(client_named "$title")' || fail "$title did not open again"
}

# Esc in the help window, once the window manager has given it the focus.
escape_help() {
    xdotool windowactivate --sync "$1" key --clearmodifiers Escape
    wait_for 10 eval '! client_named Ayuda >/dev/null'
}

# A click held back while the guide is built is handled as soon as it is built, with no further
# pointer motion: "Guía de Empresas", then "Ranking" 30 ms later, brings up the rankings. The menu
# form shows the current screen's button in its own colour, the company screen's at the start.
held_back_click() {
    local current x y
    wait_for 20 lit "$menu" 72 106 || fail "the menu form did not show the company screen as the current one"
    current=$(pixels "$menu" 4 4 72 106)
    read -r x y <<<"$(place "$menu")"
    # Both clicks wait in the queue while the program is stopped: the second comes during the build.
    kill -STOP "$program_pid"
    xdotool mousemove --sync $((x + 196)) $((y + 122)) click 1 mousemove $((x + 338)) $((y + 122)) click 1
    kill -CONT "$program_pid"
    wait_for 10 eval '[ "$(pixels "$menu" 4 4 336 106)" = "$current" ]' ||
        fail "Ranking clicked while the guide was built waited for the pointer to move"
    xdotool mousemove_relative --sync 1 1
}

# The record card of the guide's first company: borderless, 679 pixels wide.
card_window() {
    local id
    for id in $(xdotool search --onlyvisible --classname '^tarvesa$' 2>/dev/null); do
        if [ "$(xwininfo -id "$id" | sed -n 's/.*Width: *//p')" = 679 ]; then
            printf '0x%x\n' "$id"
            return 0
        fi
    done
    return 1
}

# The card has handled every earlier X event: the pointer over its print button lights it. Then the
# pointer back on its background puts the button out.
card_synced() { lights "$card" 40 565 28 565; }
card_rest() { puts_out "$card" 328 90 28 565; }

# Whether window $1 stands at "x y" $2 $3; else says where it moved, from there, in $moved.
stands_at() {
    local x y
    read -r x y <<<"$(place "$1")"
    moved="$((x - $2)) $((y - $3))"
    [ "$moved" = "0 0" ]
}

# An xdotool burst ($6...) from a point of the card ($2 $3), the program stopped meanwhile when $1 is
# "busy", moves the card by $4 $5; the pointer then moves 100 px further, and the card must stay where
# the release left it. That move waits until the X server has passed the burst on: a window manager
# holds the pointer from the press until it has handled it, and what comes meanwhile is passed on at
# the pointer's latest place, the release too. Each burst moves the pointer.
card_stays_after() {
    local busy=$1 x=$2 y=$3 dx=$4 dy=$5 what=$6 x0 y0 from
    shift 6
    read -r x0 y0 <<<"$(place "$card")"
    point_at "$card" "$x" "$y"
    from=$(pointer)
    [ "$busy" = busy ] && kill -STOP "$program_pid"
    xdotool "$@"
    [ "$busy" = busy ] && kill -CONT "$program_pid"
    wait_for 10 eval '[ "$(pointer)" != "$from" ]' || fail "the pointer stayed where $what started"
    xdotool mousemove_relative --sync 100 0
    card_synced || fail "the card did not light its print button after $what"
    stands_at "$card" $((x0 + dx)) $((y0 + dy)) ||
        fail "the card followed the pointer after $what: $moved from where the release left it"
    card_rest
}

# A drag ($8...) of window $1 from its point $3 $4 moves it by $5 $6 while the button is held; $7 tells
# it. After the release, once the window has handled it ($2 its sync), it stays there.
drags_by() {
    local window=$1 synced=$2 x=$3 y=$4 dx=$5 dy=$6 what=$7 x0 y0
    shift 7
    read -r x0 y0 <<<"$(place "$window")"
    point_at "$window" "$x" "$y"
    xdotool "$@"
    if ! wait_for 10 stands_at "$window" $((x0 + dx)) $((y0 + dy)); then
        read -r x y <<<"$(place "$window")"
        fail "$what moved it by $((x - x0)) $((y - y0))"
    fi
    xdotool mouseup 1
    read -r x0 y0 <<<"$(place "$window")"
    if ! "$synced"; then
        fail "$what: no picture button lit after the release"
    elif ! stands_at "$window" "$x0" "$y0"; then
        fail "$what: it moved by $moved after the release"
    fi
}

# A click on window $1's background ($4 $5) and a second press at once, within the double-click time,
# drag it by 40 20; $2 and $3 are its sync and rest, $6 names it.
drags_from_a_double_click() {
    # Past the double-click time: the click must not pair with an earlier press.
    sleep 0.6
    drags_by "$1" "$2" "$4" "$5" 40 20 "a drag of 40 20 of $6 from the second press of a double click" \
        click 1 mousedown 1 mousemove_relative --sync 20 10 mousemove_relative --sync 20 10
    "$3"
}

# The card moves while dragged by its background and never after the button is up.
card_drags() {
    card=""
    click_menu 196 122
    # Clicked once the guide is built: its Ficha button lights under the pointer (the program reads the
    # pointer's moves only once the screen is built).
    lights "$menu" 44 683 32 683 20 || fail "the guide's Ficha button did not light under the pointer"
    click_menu 44 683
    if ! wait_for 10 eval 'card=$(card_window)'; then
        fail "the record card did not open"
        screenshot no-card
        return
    fi
    if ! card_synced || ! card_rest; then
        fail "the record card did not light its print button under the pointer" \
            "(its key: $(colour "$card" 28 565))"
        screenshot card-unlit
        click_window "$card" 645 560
        return
    fi
    card_stays_after now 328 90 3 0 "a press, a 3 px slide and the release in one burst" \
        mousedown 1 mousemove_relative 3 0 mouseup 1
    card_stays_after busy 368 100 3 0 "a press, a slide and the release while the program was busy" \
        mousedown 1 mousemove_relative 3 0 mouseup 1
    card_stays_after now 649 100 0 0 "a click on the next button and a slide" click 1 mousemove_relative 30 0
    drags_by "$card" card_synced 328 90 20 10 "a drag of 20 10 of the card" \
        mousedown 1 mousemove_relative --sync 10 5 mousemove_relative --sync 10 5
    card_rest
    drags_from_a_double_click "$card" card_synced card_rest 328 90 "the card"
    print_dialog_keeps_the_keyboard
    screenshot card
    click_window "$card" 645 560
    wait_for 10 eval '! card_window >/dev/null' || fail "the card's close button did not close it"
}

# The card's print dialog has the keyboard back when its printer properties close (without a window
# manager nothing else gives it back): Esc closes the properties, then the print dialog.
print_dialog_keeps_the_keyboard() {
    local print="" properties=""
    click_window "$card" 40 565
    if ! wait_for 10 eval 'print=$(visible_named Imprimir)'; then
        fail "the card's print button did not open the print dialog"
        return
    fi
    wait_for 10 has_keyboard "$print" || fail "the print dialog did not take the keyboard"
    click_window "$print" 357 49
    if wait_for 10 eval 'properties=$(visible_named "Propiedades de la impresora")'; then
        wait_for 10 has_keyboard "$properties" || fail "the printer properties did not take the keyboard"
        xdotool key --clearmodifiers Escape
        wait_for 10 eval '! visible_named "Propiedades de la impresora" >/dev/null' ||
            fail "Esc did not close the printer properties"
        wait_for 10 has_keyboard "$print" ||
            fail "the print dialog did not have the keyboard back when its printer properties closed"
    else
        fail "Propiedades did not open the printer properties"
    fi
    xdotool key --clearmodifiers Escape
    wait_for 10 eval '! visible_named Imprimir >/dev/null' || fail "Esc did not close the print dialog"
    card_rest
}

# The search form ($search) has handled every earlier X event: the pointer over Aceptar lights it. Then
# the pointer on its background puts Aceptar out.
search_synced() { lights "$search" 400 373 386 373; }
search_rest() { puts_out "$search" 30 200 386 373; }

# The search form is dragged by its background from the second press of a double click, and stays
# where the release leaves it.
search_drags() {
    if ! search_synced || ! search_rest; then
        fail "the search form did not light Aceptar under the pointer"
        return
    fi
    drags_from_a_double_click "$search" search_synced search_rest 30 200 "the search form"
}

# A search form opened by a double click keeps the keyboard: typing goes to its name box, and after a
# click on the menu form, Esc hides it.
search_keeps_the_keyboard() {
    local search="" empty x y
    read -r x y <<<"$(place "$menu")"
    move_to $((x + 571)) $((y + 122))
    xdotool click --repeat 2 --delay 80 1
    if ! wait_for 10 eval 'search=$(client_named Buscar)'; then
        fail "a double click on Buscar did not open the search form"
        return
    fi
    # Typed once the form has handled the double click's second click and holds the keyboard.
    search_synced || fail "the search form did not light Aceptar under the pointer"
    search_rest
    wait_for 10 has_keyboard "$search"
    empty=$(pixels "$search" 26 12 214 92)
    xdotool type --delay 40 abc
    wait_for 10 eval '[ "$(pixels "$search" 26 12 214 92)" != "$empty" ]' ||
        fail "abc typed after a double click on Buscar did not reach the name box"
    click_menu 600 40
    # Typed once the program has handled the click and the keyboard is back on the form.
    search_synced || fail "the search form did not light Aceptar after a click on the menu form"
    wait_for 10 has_keyboard "$search"
    xdotool key --clearmodifiers Escape
    wait_for 10 eval '! client_named Buscar >/dev/null' || fail "Esc after a click on the menu form did not hide the search form"
}

# The mouse tests' cases that only a real X server can fail, on this screen.
real_screen_cases() {
    QT_QPA_PLATFORM=xcb "$mouse_tests" aWaitingWindowIsOnTheScreenBeforeTheWorkStarts \
        aClickMadeDuringTheWorkIsHandledWhenItEnds >"$work/mouse.log" 2>&1 ||
        { fail "the mouse tests' real-screen cases failed"; cat "$work/mouse.log" >&2; }
}

screenshot() {
    [ -n "${SMOKE_SCREENSHOTS:-}" ] && import -window root "$SMOKE_SCREENSHOTS/openbox-$size-$1.png"
}

# A fresh copy of the installation and a virtual screen of $1 x $2 pixels in DISPLAY.
start_display() {
    local display_file=$work/display
    rm -rf "$work/program" "$display_file"
    cp -r "$installation" "$work/program"
    Xvfb -displayfd 3 -screen 0 "$1x$2x24" -nolisten tcp 3>"$display_file" 2>/dev/null &
    pids+=($!)
    if ! wait_for 10 test -s "$display_file"; then
        fail "Xvfb did not start"
        return 1
    fi
    export DISPLAY=:$(head -n1 "$display_file")
}

# Salir ends the program with status 0.
exit_program() {
    local pid=$1
    click_menu "$2" "$3"
    if wait_for 10 eval '! kill -0 "$pid" 2>/dev/null'; then
        wait "$pid"
        local status=$?
        [ "$status" -eq 0 ] || fail "the program ended with status $status"
    else
        fail "Salir did not end the program"
    fi
}

# Without a window manager: the program places the menu form itself, and Esc closes help.
run_without_window_manager() {
    size=$1
    local expected=$2 help_x=$3 help_y=$4 exit_x=$5 exit_y=$6
    if ! start_display "${size%x*}" "${size#*x}"; then
        cleanup
        return
    fi
    QT_QPA_PLATFORM=xcb TARVESA_PROGRAM_DIR="$work/program" "$program" >"$work/program.log" 2>&1 &
    program_pid=$!
    pids+=($program_pid)
    menu=""
    if ! wait_for 20 eval 'menu=$(visible_named "Tarvesa 2010")'; then
        fail "the menu form did not appear"
        cleanup
        return
    fi
    if ! wait_for 10 eval '[ "$(outer_geometry "$menu")" = "$expected" ]'; then
        fail "menu form's outer geometry is $(outer_geometry "$menu"), expected $expected"
    fi
    screenshot bare
    click_menu "$help_x" "$help_y"
    local help=""
    if wait_for 10 eval 'help=$(visible_named Ayuda)'; then
        # It takes the keyboard as it opens: an Esc typed as soon as it has the X focus closes it.
        wait_for 10 has_keyboard "$help" || fail "the help window did not take the keyboard"
        xdotool key --clearmodifiers Escape
        wait_for 10 eval '! visible_named Ayuda >/dev/null' || fail "Esc did not close the help window"
    else
        fail "the help window did not open"
    fi
    card_drags
    real_screen_cases
    echo "$size without a window manager: menu form $(outer_geometry "$menu")"
    exit_program "$program_pid" "$exit_x" "$exit_y"
    cleanup
}

run_at() {
    size=$1
    local expected=$2 help_x=$3 help_y=$4 calc_x=$5 calc_y=$6 search_x=$7 search_y=$8 exit_x=$9 exit_y=${10}
    local width=${size%x*} height=${size#*x}
    if ! start_display "$width" "$height"; then
        cleanup
        return
    fi
    # Its default settings whoever runs the test, and no part of a desktop session.
    XDG_CONFIG_HOME=$work openbox --sm-disable >"$work/openbox.log" 2>&1 &
    pids+=($!)
    if ! wait_for 10 wm_running; then
        fail "openbox did not start"
        cat "$work/openbox.log" >&2
        cleanup
        return
    fi
    if ! wm_frames_windows; then
        fail "openbox did not frame a window"
        cat "$work/openbox.log" >&2
        cleanup
        return
    fi

    QT_QPA_PLATFORM=xcb TARVESA_PROGRAM_DIR="$work/program" "$program" >"$work/program.log" 2>&1 &
    program_pid=$!
    pids+=($program_pid)
    menu=""
    if ! wait_for 20 eval 'menu=$(client_named "Tarvesa 2010")'; then
        fail "the menu form did not appear"
        cat "$work/program.log" >&2
        cleanup
        return
    fi
    # Placed once the window manager has framed it.
    if ! wait_for 10 eval '[ "$(outer_geometry "$menu")" = "$expected" ]'; then
        fail "menu form's outer geometry is $(outer_geometry "$menu"), expected $expected"
    fi
    screenshot menu
    held_back_click
    real_screen_cases
    card_drags
    search_keeps_the_keyboard

    click_menu "$help_x" "$help_y"
    escape_at_once Ayuda "$help_x" "$help_y"
    local help=$reopened calculator=""
    click_menu "$calc_x" "$calc_y"
    escape_at_once "Calculadora KORVAN" "$calc_x" "$calc_y"
    calculator=$reopened
    # Clicking the menu form's background gives it the focus: the two stay above it all the same. The
    # window manager has raised it by the time it makes it the active window (the calculator, reopened,
    # is the active one before).
    wait_for 10 eval '[ "$(active_window)" = "$calculator" ]'
    click_menu 600 40
    wait_for 10 eval '[ "$(active_window)" = "$menu" ]' || fail "a click on the menu form did not activate it"
    screenshot windows
    [ -n "$help" ] && ! above_menu "$help" && fail "the help window is below the menu form"
    [ -n "$calculator" ] && ! above_menu "$calculator" && fail "the calculator is below the menu form"
    echo "$size: menu form $(outer_geometry "$menu"); stacking, bottom to top: $(stacking | tr '\n' ' ')" \
        "(menu $menu, help ${help:-none}, calculator ${calculator:-none})"

    if [ -n "$help" ] && ! escape_help "$help"; then
        fail "Esc did not close the help window"
    fi

    # The search form's "?": its help comes above the search form and the menu form.
    click_menu "$search_x" "$search_y"
    local search="" search_help=""
    if wait_for 10 eval 'search=$(client_named Buscar)'; then
        search_drags
        click_window "$search" 37 376
        if wait_for 10 eval 'search_help=$(client_named Ayuda)'; then
            above "$search_help" "$search" || fail "the search form's help is below the search form"
            above_menu "$search_help" || fail "the search form's help is below the menu form"
            screenshot search
            escape_help "$search_help" || fail "Esc did not close the search form's help"
        else
            fail "the search form's help did not open"
        fi
        click_window "$search" 450 367
        wait_for 10 eval '! client_named Buscar >/dev/null' || fail "Cancelar did not close the search form"
    else
        fail "the search form did not open"
    fi

    # Salir ends the program cleanly, the calculator still open.
    exit_program "$program_pid" "$exit_x" "$exit_y"
    cleanup
}

start=$(centiseconds)
# size, the menu form's outer geometry "x y width height", then points of the form's client area
# (from the "1024" layout): help button, calculator hot spot, search button, exit button.
run_at 1024x768 "0 0 1024 768" 892 743 15 746 571 122 983 743
run_at 1280x1024 "128 112 1024 800" 892 743 15 746 571 122 983 743
run_without_window_manager 1280x1024 "128 112 1024 800" 892 743 983 743
echo "smoke_openbox: $failures failure(s) in $((($(centiseconds) - start) / 100)) s"
[ "$failures" -eq 0 ]
