#!/bin/sh
# Started without a usable display, the game says so in one line on stderr
# and exits with status 1: no abort, no core dump.
#   without_display.sh VELMORA
set -u
game=$1
fail=0
check() {  # what, then the environment to start the game in
    what=$1; shift
    err=$(env "$@" "$game" 2>&1 >/dev/null)
    status=$?
    lines=$(printf '%s\n' "$err" | grep -c .)
    if [ "$status" -ne 1 ] || [ "$lines" -ne 1 ] || ! printf '%s' "$err" | grep -q 'no usable display'; then
        echo "FAIL $what: status $status, $lines line(s): $err"
        fail=1
    else
        echo "ok   $what: $err"
    fi
}
check "no display at all" -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM
check "a display that is not there" -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:987
exit $fail
