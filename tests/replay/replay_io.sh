#!/bin/sh
# velmora-replay's arguments, and reads and writes that fail: the exit status
# (0 done, 1 input or output failed, 2 bad usage) and at most one line on
# stderr, which is there exactly when the status is not 0.
#   replay_io.sh VELMORA_REPLAY
set -u
R=$1 dir=$(mktemp -d)
export R dir
trap 'rm -rf "$dir"' EXIT
printf 'state\n' >"$dir/script"
fail=0
check() {  # what, status, stdout starts with (or ""), then a command run by sh
    sh -c "$4" >"$dir/out" 2>"$dir/err"
    status=$? errlines=$(grep -c '' "$dir/err")
    if [ "$status" -ne "$2" ] || [ "$errlines" -ne $((status != 0)) ] || [ "$(head -c ${#3} "$dir/out")" != "$3" ]; then
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
check "a full disk" 1 '' '"$R" "$dir/script" >/dev/full'
check "stdout closed" 1 '' '"$R" "$dir/script" >&-'
exit $fail
