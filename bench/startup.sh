#!/bin/sh
# Start-up time to the first painted window and peak memory: Velmora's table
# window against a bare Qt 6 window, each over RUNS runs (default 15), under
# one Xvfb server. Prints the medians and the ratios.
#   bench/startup.sh [RUNS]
set -eu
cd "$(dirname "$0")/.."
runs=${1:-15}
command -v xvfb-run >/dev/null || { echo "needs xvfb-run (Debian package xvfb)"; exit 1; }
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMORA_BUILD_TESTS=OFF >/dev/null
cmake --build build-release --target startup_probe card_pictures >/dev/null
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cd build-release
xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
  i=0
  while [ $i -lt "$1" ]; do
    for kind in bare table; do ./startup_probe $kind "$(date +%s%N)" 2>/dev/null >> "$2/$kind"; done
    i=$((i + 1))
  done
' sh "$runs" "$out"
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
for kind in bare table; do
  eval "${kind}_ms=\$(cut -d' ' -f1 \"$out/$kind\" | median)"
  eval "${kind}_kib=\$(cut -d' ' -f3 \"$out/$kind\" | median)"
done
echo "runs: $runs of each, under Xvfb"
echo "bare Qt window:  start-up $bare_ms ms, peak RSS $bare_kib KiB (medians)"
echo "Velmora table:   start-up $table_ms ms, peak RSS $table_kib KiB (medians)"
awk -v a="$table_ms" -v b="$bare_ms" -v c="$table_kib" -v d="$bare_kib" \
  'BEGIN { printf "ratio:           start-up %.2fx, memory %.2fx\n", a / b, c / d }'
