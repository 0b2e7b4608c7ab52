#!/bin/sh
# The game started with its address space held to 150 MiB, on a virtual X
# display: it must come up with its cards and keep running, not abort.
#   short_of_memory.sh VELMORA
set -u
command -v xvfb-run >/dev/null || { echo "skipped: no xvfb-run"; exit 77; }
err=$(xvfb-run -a timeout 4 prlimit --as=157286400 "$1" 2>&1 >/dev/null)
status=$?
echo "status $status; stderr: $err"
# timeout's 124: the game was still running when it was stopped.
[ "$status" -eq 124 ] && ! printf '%s' "$err" | grep -q -e 'card pictures' -e terminate
