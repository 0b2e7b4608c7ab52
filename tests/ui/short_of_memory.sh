#!/bin/sh
# The game started with its address space held to 118 MiB, on a virtual X
# display: within six seconds it must show its five card backs (the
# screen's blue pixels, read from the server's framebuffer file) and still
# be running, not aborted nor waiting for a thread it cannot start.
#   short_of_memory.sh VELMORA
set -u
command -v xvfb-run >/dev/null || { echo "skipped: no xvfb-run"; exit 77; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
# The count of blue pixels (blue over red and green by 48) in the XWD image
# $1, after its header (its size in word 0, its colours in word 19; word 7,
# the byte order, says which byte is blue).
blue() {
    set -- "$1" $(od -An -v -tu1 -N80 "$1" | tr -s ' \n' '\n\n' | grep . | awk '{ b[NR - 1] = $1 }
        function w(i) { return ((b[i] * 256 + b[i + 1]) * 256 + b[i + 2]) * 256 + b[i + 3] }
        END { print w(0) + 12 * w(76), w(28) }')
    od -An -v -tu1 -w4 -j "$2" "$1" | awk -v msb="$3" '{ r = msb ? $2 : $3; g = msb ? $3 : $2; b = msb ? $4 : $1 }
        b > r + 48 && b > g + 48 { n++ } END { print n + 0 }'
}
xvfb-run -a -s "-fbdir $dir -screen 0 640x480x24" sh -c '
    prlimit --as=$((${VELMORA_AS_MIB:-118} * 1048576)) "$1" >/dev/null 2>"$2/err" &
    game=$!
    sleep 6
    cp "$2/Xvfb_screen0" "$2/shot"
    kill -0 $game 2>/dev/null && echo running >"$2/state"
    kill $game' sh "$1" "$dir"
state=$(cat "$dir/state" 2>/dev/null)
count=$(blue "$dir/shot")
echo "${state:-not running}; $count blue pixels; stderr: $(cat "$dir/err")"
# Five backs of 72 x 97 pixels are mostly blue.
[ "$state" = running ] && [ "$count" -gt 15000 ] && ! grep -q -e 'card pictures' -e terminate "$dir/err"
