#!/bin/sh
# Runs the program under valgrind's leak check the way a player would use it briefly:
# start with a fixed seed, one Generate from the File menu, Exit from the File menu.
# The program never ends by itself, so the keys are typed into it on a virtual X
# display (xvfb-run, xdotool); offscreen has no keyboard to type on.
#
# Usage: valgrind_start.sh PROGRAM OUTPUT_DIR
# Leaves valgrind.log and generated.png (the window after the Generate) in OUTPUT_DIR.
set -eu
program=$1
out=$2
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$out"

xvfb-run -a -s "-screen 0 1280x1024x24" sh -eu -c '
  program=$1 out=$2 here=$3
  valgrind --leak-check=full --errors-for-leak-kinds=definite --num-callers=30 \
    --child-silent-after-fork=yes --gen-suppressions=all \
    --suppressions="$here/qt.supp" --log-file="$out/valgrind.log" \
    "$program" --seed 1 &
  pid=$!
  # Under valgrind the window takes a while to come up.
  window=
  for _ in $(seq 180); do
    window=$(xdotool search --onlyvisible --name "^Wendrel\$" 2>/dev/null | head -n 1) || true
    [ -n "$window" ] && break
    sleep 1
  done
  [ -n "$window" ] || { echo "no window" >&2; kill $pid; exit 1; }
  sleep 5
  xdotool windowfocus --sync "$window"
  xdotool key alt+f; sleep 3; xdotool key g
  sleep 20
  import -window root "$out/generated.png"
  xdotool key alt+f; sleep 3; xdotool key x
  wait $pid
' sh "$program" "$out" "$here"
grep -A 8 "LEAK SUMMARY" "$out/valgrind.log"
grep "ERROR SUMMARY" "$out/valgrind.log"
