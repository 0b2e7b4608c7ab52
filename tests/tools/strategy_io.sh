#!/bin/sh
# velmora-strategy's usage, bad input and failed reads and writes: the exit
# status (0 done, 1 input or output failed, 2 bad input or usage), the
# answers written before a bad line, and one line on stderr, there exactly
# when the status is not 0, naming the bad line.
#   strategy_io.sh VELMORA_STRATEGY
set -u
S=$1 dir=$(mktemp -d)
export S dir
trap 'rm -rf "$dir"' EXIT
# The last line without its end. The charts are worked out at the first good
# deal, which takes seconds in a debug build: few of the checks get that far.
printf 'As Ks Qs Js Ts\n9h Th Jh Qh Kh\n2c 7d 9h Js 4c' >"$dir/good"
fail=0
check() {  # what, status, stdout lines, stderr has (or ""), a command run by sh
    sh -c "$5" >"$dir/out" 2>"$dir/err"
    status=$? errlines=$(grep -c '' "$dir/err") outlines=$(grep -c '' "$dir/out")
    if [ "$status" -ne "$2" ] || [ "$errlines" -ne $((status != 0)) ] || [ "$outlines" -ne "$3" ] ||
        { [ -n "$4" ] && ! grep -qF -e "$4" "$dir/err"; }; then
        echo "FAIL $1: status $status, $outlines lines out, stderr $(cat "$dir/err")"
        fail=1
    else
        echo "ok   $1: $(cat "$dir/err")"
    fi
}
bad() {  # what, the first line of the input, stderr has
    check "$1" 2 0 "line 1: $3" "printf '%s\n' '$2' 'As Ks Qs Js Ts' | \"\$S\" hold"
}
check "--help" 0 1 "" '"$S" --help | head -n 1 | grep -x "Usage: velmora-strategy \[options\] command"'
check "--version" 0 1 "" '"$S" --version | grep -x "velmora-strategy [0-9.]*"'
bad "a bad card" "As Ks Qs Js 1s" "bad card '1s'"
bad "a repeated card" "As Ks Qs Js Ks" "the card 'Ks' is there twice"
bad "four cards" "As Ks Qs Js" "a deal is 5 cards, not 4"
check "a bad line without its end" 2 0 "line 1: bad card 'x'" 'printf x | "$S" hold'
# The answers before a bad line stay written, nothing after it.
{ cat "$dir/good"; printf '\nx\nAs Ks Qs Js Ts\n'; } >"$dir/bad"
check "a bad line after three deals" 2 3 "line 4: bad card 'x'" '"$S" hold --chart perfect <"$dir/bad"'
# The shape of an answer: the held cards in the deal's order, the line and its rule.
grep -qx '{"held":\["As","Ks","Qs","Js","Ts"\],"line":[1-9][0-9]*,"rule":"[^"]\+"}' "$dir/out" &&
    grep -qx '{"held":\["9h","Th","Jh","Qh","Kh"\],"line":[1-9][0-9]*,"rule":"[^"]\+"}' "$dir/out" &&
    grep -qx '{"held":\["Js"\],"line":[1-9][0-9]*,"rule":"[^"]\+"}' "$dir/out" ||
    { echo "FAIL the answers' shape: $(cat "$dir/out")"; fail=1; }
check "a long line" 2 0 "line 1: longer than 65536 bytes" 'yes " " | head -n 70000 | tr -d "\n" | "$S" hold'
for usage in "deal" "hold --chart best" "hold --pays 9/5" "hold --pays 800,50,25,9,6,4,3,2" "return --bogus" "hold extra"; do
    check "$usage" 2 0 "See velmora-strategy --help." "\"\$S\" $usage </dev/null"
done
check "a folder on stdin" 1 0 "cannot read the input" '"$S" hold <"$dir"'
check "--help to a full disk" 1 0 ": No space left on device" '"$S" --help >/dev/full'
check "a full disk" 1 0 ": No space left on device" 'printf "As Ks Qs Js Ts" | "$S" hold >/dev/full'
check "stdout closed" 1 0 "cannot write the output" '"$S" hold <"$dir/good" >&-'
# A deal's answer comes while the input stays open, for a program that
# waits for it before it writes the next deal.
mkfifo "$dir/deals"
"$S" hold <"$dir/deals" >"$dir/answer" & tool=$!
exec 3>"$dir/deals"
echo "As Ks Qs Js Ts" >&3
for second in $(seq 120); do [ -s "$dir/answer" ] && break; sleep 1; done
[ -s "$dir/answer" ] || { echo "FAIL no answer while the input is open"; fail=1; }
exec 3>&-
wait $tool
exit $fail
