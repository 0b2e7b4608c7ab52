#!/bin/sh
# The game's command line answers without a display: --help and --version
# on standard output with status 0 (1, and the reason, when it cannot be
# written), a bad option or an argument in one line on standard error with
# status 2, in the desktop's language. The window system would fail here (no
# display), so an answer proves that none was reached.
#   command_line.sh VELMORA
set -u
game=$1
unset DISPLAY WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb LANGUAGE=en LANG=C.UTF-8
out=$(mktemp); err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
fail() { echo "FAIL: $*"; cat "$out" "$err"; exit 1; }

for help in --help -h; do
    "$game" $help >"$out" 2>"$err"; status=$?
    [ $status -eq 0 ] || fail "$help exited $status"
    grep -q -- "--version" "$out" && [ ! -s "$err" ] || fail "$help printed no usage"
    ! grep -q -- "platform" "$out" || fail "$help lists Qt's own options"
done
# An answer that cannot be written fails, and says why.
for answer in --help --version; do
    "$game" $answer >/dev/full 2>"$err"; status=$?
    [ $status -eq 1 ] && [ "$(wc -l <"$err")" -eq 1 ] && grep -q "No space left on device" "$err" ||
        fail "$answer to a full disk exited $status"
done
# Qt's own options, one dash and a value, reach the game: it starts and runs.
timeout 3 "$game" -platform offscreen -style fusion -reverse >"$out" 2>"$err"; status=$?
[ $status -eq 124 ] || fail "the game with Qt's options exited $status"
"$game" --version >"$out" 2>"$err"; status=$?
[ $status -eq 0 ] && grep -qx "velmora [0-9.]*" "$out" && [ "$(wc -l <"$out")" -eq 1 ] || fail "--version exited $status"
for bad in --bogus stray; do
    "$game" "$bad" >"$out" 2>"$err"; status=$?
    [ $status -eq 2 ] || fail "$bad exited $status"
    [ ! -s "$out" ] && [ "$(wc -l <"$err")" -eq 1 ] || fail "$bad: not one line on standard error"
done
# Each language words the help and the parser's messages.
for language in fr de es; do
    LANGUAGE=$language "$game" --help >"$out" && LANGUAGE=$language "$game" --bogus 2>"$err"
    ! grep -q "Usage:\|Show this help" "$out" && ! grep -q "Unknown option" "$err" || fail "English in $language"
done
echo "1 passed, 0 failed"
