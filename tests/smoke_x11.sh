# Helpers of the smoke test on a virtual X screen (sourced): polls on a clock of their own, the windows
# as the window manager lists them, its readiness, the pointer, and the pixels on the screen.

# Centiseconds since the machine started (/proc/uptime): unlike bash's SECONDS and EPOCHREALTIME,
# a clock that setting the wall clock does not move.
centiseconds() {
    local uptime
    read -r uptime _ </proc/uptime
    echo $((10#${uptime/./}))
}

# Polls a command for up to $1 seconds.
wait_for() {
    local end=$(($(centiseconds) + $1 * 100))
    shift
    until "$@"; do
        [ "$(centiseconds)" -ge "$end" ] && return 1
        sleep 0.1
    done
}

wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# A probe window of ours stands in a frame of the window manager.
probe_framed() {
    local id
    for id in $(xdotool search --name '^tarvesa-smoke-probe$' 2>/dev/null); do
        xwininfo -tree -id "$id" | grep 'Parent window id' | grep -vq 'the root window' && return 0
    done
    return 1
}

no_clients() { [ -z "$(stacking)" ]; }

# The window manager frames the windows mapped from now on. Openbox announces itself before its event
# loop runs, and a window mapped in between waits, unframed, for a later event: while no probe window
# is framed, another is mapped (such an event), each given a second longer. Then they are closed.
wm_frames_windows() {
    local probes=() seconds framed=false
    for seconds in 1 2 3 4 5 6; do
        xmessage -name tarvesa-smoke-probe probe 2>/dev/null &
        probes+=($!)
        wait_for "$seconds" probe_framed && framed=true && break
    done
    kill "${probes[@]}"
    wait "${probes[@]}" 2>/dev/null
    "$framed" && wait_for 10 no_clients
}

# Top-level client windows, bottom to top, as the window manager stacks them.
stacking() { xprop -root _NET_CLIENT_LIST_STACKING | sed -n 's/.*# //p' | tr -d ' ' | tr ',' '\n'; }

# The managed window whose title is exactly $1, in hex as the stacking list writes it.
client_named() {
    local id hex
    for id in $(xdotool search --name "^$1\$" 2>/dev/null); do
        hex=$(printf '0x%x' "$id")
        if stacking | grep -qx "$hex"; then
            echo "$hex"
            return 0
        fi
    done
    return 1
}

position() { stacking | grep -nx "$1" | cut -d: -f1; }

# Whether window $1 stands above window $2.
above() {
    local upper lower
    upper=$(position "$1")
    lower=$(position "$2")
    [ -n "$upper" ] && [ -n "$lower" ] && [ "$upper" -gt "$lower" ]
}

# Outer geometry x y width height: the client's place and size with the frame's extents.
outer_geometry() {
    local info x y w h extents
    info=$(xwininfo -id "$1")
    x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
    y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
    w=$(sed -n 's/.*Width: *//p' <<<"$info")
    h=$(sed -n 's/.*Height: *//p' <<<"$info")
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ' ')
    local left=0 right=0 top=0 bottom=0
    [ -n "$extents" ] && IFS=, read -r left right top bottom <<<"$extents"
    echo "$((x - left)) $((y - top)) $((w + left + right)) $((h + top + bottom))"
}

# Where the pointer stands for the X server: "x:X y:Y". While a window manager holds the pointer after a
# press, until it has handled the press, the pointer stands where the press left it.
pointer() { xdotool getmouselocation | sed 's/ screen.*//'; }

# The pointer to a point of the screen. (xdotool's --sync waits 15 s for a move to where the pointer
# already is.)
move_to() {
    [ "$(pointer)" = "x:$1 y:$2" ] || xdotool mousemove --sync "$1" "$2"
}

# A click at a point of a window's client area.
click_window() {
    local info x y
    info=$(xwininfo -id "$1")
    x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
    y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
    move_to $((x + $2)) $((y + $3))
    xdotool click 1
    # A window manager that froze the pointer to give focus on a click lets it go on the next move,
    # as a user's hand always makes.
    xdotool mousemove_relative --sync 1 1
}

# Where a window's client area stands on the screen: "x y".
place() { xwininfo -id "$1" | sed -n 's/.*Absolute upper-left [XY]: *//p' | tr '\n' ' '; }

# The pixels of a rectangle of a window's client area (w h x y), as a checksum.
pixels() {
    local x y
    read -r x y <<<"$(place "$1")"
    import -window root -crop "$2x$3+$((x + $4))+$((y + $5))" rgb:- 2>/dev/null | md5sum
}

# The pointer onto a point of a window's client area, without a click.
point_at() {
    local x y
    read -r x y <<<"$(place "$1")"
    move_to $((x + $2)) $((y + $3))
}

active_window() { printf '0x%x' "$(xdotool getactivewindow 2>/dev/null || echo 0)"; }

# The window that has the X server's keyboard focus, in hex.
focus_window() { printf '0x%x' "$(xdotool getwindowfocus 2>/dev/null || echo 0)"; }

# Window $1 has the keyboard: the X focus, and the window manager's active window when there is one.
has_keyboard() {
    [ "$(focus_window)" = "$1" ] || return 1
    ! wm_running || [ "$(active_window)" = "$1" ]
}

# The colour of a pixel of a window's client area: "r g b".
colour() {
    local x y
    read -r x y <<<"$(place "$1")"
    import -window root -crop "1x1+$((x + $2))+$((y + $3))" -depth 8 rgb:- 2>/dev/null | od -An -tu1
}

# Whether the key of a picture button at that pixel is lit: orange under the pointer, grey at rest.
lit() {
    local r g b
    read -r r g b <<<"$(colour "$@")"
    [ -n "$b" ] && [ $((r - b)) -gt 100 ]
}

# Whether it is out: grey.
out() {
    local r g b
    read -r r g b <<<"$(colour "$@")"
    [ -n "$b" ] && [ $((r - b)) -le 24 ] && [ $((b - r)) -le 24 ] &&
        [ $((r - g)) -le 24 ] && [ $((g - r)) -le 24 ]
}

# The pointer onto a picture button ($2 $3) of window $1 lights it ($4 $5 a pixel of its key) within $6
# seconds (10 unless told): the program has handled every earlier X event when it shows. The pointer
# moves by a pixel on each try: a window that loses the keyboard puts its buttons out, and the next
# move lights them again.
lights() {
    local end=$(($(centiseconds) + ${6:-10} * 100)) nudge=0
    point_at "$1" "$2" "$3"
    until lit "$1" "$4" "$5"; do
        [ "$(centiseconds)" -ge "$end" ] && return 1
        sleep 0.1
        nudge=$((1 - nudge))
        point_at "$1" $(($2 + nudge)) "$3"
    done
}

# The pointer onto the background ($2 $3) of window $1 puts its lit button ($4 $5) out again.
puts_out() {
    point_at "$1" "$2" "$3"
    wait_for 10 out "$1" "$4" "$5"
}

# The mapped window whose title is exactly $1, where no window manager keeps a list.
visible_named() {
    local id
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1)
    [ -n "$id" ] && printf '0x%x\n' "$id"
}
