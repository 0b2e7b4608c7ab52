#!/bin/sh
# Started without a usable display, the game says so in one line on stderr,
# gives Qt's own reason on a second, and exits with status 1: no abort, no
# core dump.
#   without_display.sh VELMORA
set -u
game=$1
fail=0
check() {  # what, words of Qt's reason, then the environment to start the game in
    what=$1 reason=$2; shift 2
    err=$(env "$@" "$game" 2>&1 >/dev/null)
    status=$?
    lines=$(printf '%s\n' "$err" | grep -c .)
    if [ "$status" -ne 1 ] || [ "$lines" -ne 2 ] || ! printf '%s' "$err" | head -n 1 | grep -q 'no usable display' ||
        ! printf '%s' "$err" | tail -n 1 | grep -q "^velmora: Qt says: .*$reason"; then
        echo "FAIL $what: status $status, $lines line(s): $err"
        fail=1
    else
        echo "ok   $what: $err"
    fi
}
check "no display at all" "could not connect to display" -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM
check "a display that is not there" "display :987" -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:987
check "a platform plugin that is not there" 'platform plugin "bogus"' QT_QPA_PLATFORM=bogus
exit $fail
