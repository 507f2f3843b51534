#!/bin/sh
# run_without_display.sh RUN SCRATCH: ./run without a display exits 1 with its xvfb-run hint, before it
# reads tools/setup.sh (absent from the scratch copy) or creates a build folder.
run=$1
scratch=$2
rm -rf "$scratch" && mkdir -p "$scratch" && cp "$run" "$scratch/run" || exit 1
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$scratch/run" song.txt 2>&1)
status=$?
expected="VELNORA needs a display; without one, run: xvfb-run -a ./run song.txt"
[ "$status" -eq 1 ] || { echo "exit status $status, expected 1: $out"; exit 1; }
[ "$out" = "$expected" ] || { echo "said: $out"; echo "expected: $expected"; exit 1; }
[ ! -e "$scratch/build" ] || { echo "a build folder was made"; exit 1; }
echo "ok: $out"
