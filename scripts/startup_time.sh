#!/bin/sh
# Start-up of the game to its mapped main window against a bare Qt main window with the
# same menu, toolbar and status bar, both on one fresh virtual X display, taken in turns
# so that both see the same machine. Prints the median of RUNS starts of each (10 unless
# given) and their ratio.
#
# Usage: scripts/startup_time.sh [BUILD_DIR] [RUNS]
# (BUILD_DIR defaults to build-release, the Release build that `make bench` makes)
set -eu
build=${1:-build-release}
runs=${2:-10}
game=$build/app/wendrel
bare=$build/bench/bare_window
timer=$build/bench/startup_timer
for program in "$game" "$bare" "$timer"; do
  [ -x "$program" ] || { echo "startup_time: $program is not built (cmake --build $build --target wendrel bench)" >&2; exit 1; }
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -m 0700 "$scratch/runtime"

xvfb-run -a -s "-noreset -screen 0 1280x1024x24" env \
  XDG_RUNTIME_DIR="$scratch/runtime" XDG_CONFIG_HOME="$scratch/config" \
  sh -eu -c '
    game=$1 bare=$2 timer=$3 runs=$4 out=$5
    # One start of each first, so that both find the libraries in the page cache.
    "$timer" "$game" >/dev/null
    "$timer" "$bare" >/dev/null
    for _ in $(seq "$runs"); do
      "$timer" "$game" >>"$out/game"
      "$timer" "$bare" >>"$out/bare"
    done
  ' startup "$game" "$bare" "$timer" "$runs" "$scratch"

median() {
  sort -n "$1" | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
game_ms=$(median "$scratch/game")
bare_ms=$(median "$scratch/bare")
echo "start-up to a mapped window, median of $runs:"
echo "  wendrel      $game_ms ms   (runs: $(tr '\n' ' ' <"$scratch/game"))"
echo "  bare window  $bare_ms ms   (runs: $(tr '\n' ' ' <"$scratch/bare"))"
awk -v g="$game_ms" -v b="$bare_ms" 'BEGIN { printf "  ratio        %.2f\n", g / b }'
