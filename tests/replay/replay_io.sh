#!/bin/sh
# velmora-replay's arguments, and reads, writes and allocations that fail: the
# exit status (0 done, 1 input, output or memory failed, 2 bad usage) and at
# most one line on stderr, which is there exactly when the status is not 0.
#   replay_io.sh VELMORA_REPLAY
set -u
R=$1 dir=$(mktemp -d)
export R dir
trap 'rm -rf "$dir"' EXIT
printf 'state\n' >"$dir/script"
yes state | head -n 100 >"$dir/states"
fail=0
check() {  # what, status, stdout starts with (or ""), a command run by sh, [in stderr]
    sh -c "$4" >"$dir/out" 2>"$dir/err"
    status=$? errlines=$(grep -c '' "$dir/err")
    if [ "$status" -ne "$2" ] || [ "$errlines" -ne $((status != 0)) ] || [ "$(head -c ${#3} "$dir/out")" != "$3" ] ||
        { [ -n "${5:-}" ] && ! grep -qF -e "$5" "$dir/err"; }; then
        echo "FAIL $1: status $status, stdout $(head -c 40 "$dir/out"), stderr $(cat "$dir/err")"
        fail=1
    else
        echo "ok   $1: $(cat "$dir/err")"
    fi
}
check "a script file" 0 '{"time":0,' '"$R" "$dir/script"'
check "--help" 0 'Usage: velmora-replay' '"$R" --help'
check "an unknown option" 2 '' '"$R" --verbose </dev/null'
check "two arguments" 2 '' '"$R" "$dir/script" "$dir/script"'
check "a missing file" 1 '' '"$R" "$dir/missing"'
check "a folder as the script" 1 '' '"$R" "$dir"'
check "a folder on stdin" 1 '' '"$R" <"$dir"'
check "a full disk" 1 '' '"$R" "$dir/states" >/dev/full' ': No space left on device'
check "stdout closed" 1 '' '"$R" "$dir/script" >&-'
# Advice is a short line, still in the output's buffer when the script ends.
printf 'random 0.182692 0.298077 0.586538 0.875000 0.163462\nclick Deal1\nadvance 1250\nadvice\n' >"$dir/advice"
check "a full disk, the script from a pipe" 1 '' 'cat "$dir/advice" | "$R" >/dev/full' ': No space left on device'
# One line of half a million values, within the longest line, split into
# words in 16 MiB of address space. A sanitizer's run-time needs far more
# than that to start at all; then there is nothing to test.
{ printf random; yes ' 0' | head -n 500000 | tr -d '\n'; echo; } >"$dir/words"
if (ulimit -v 16384 && "$R" --help) >/dev/null 2>&1; then
    check "out of memory" 1 '' 'ulimit -v 16384; "$R" "$dir/words"' 'line 1: out of memory'
else
    echo "skip out of memory: the program cannot start in 16 MiB"
fi
exit $fail
