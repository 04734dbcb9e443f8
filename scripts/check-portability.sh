#!/usr/bin/env bash
# The same seed must give the same puzzle on every platform. This builds wendrel-gen four
# ways (GCC, Clang, GCC -m32 and MinGW-w64, the last run under Wine) and checks that all
# four print byte-identical lines, line ends aside, for the first 2000 seeds and for the
# last 2000 (up to 2147483647), and for two saved games. It fails naming the first seed
# where a build parts from GCC's. `make portability` runs it; the builds live in
# build-portability/.
#
# The -m32 build is the one whose arithmetic runs on x87. A kernel built without 32-bit
# x86 support refuses it ("Exec format error"); it then runs under qemu-i386 (qemu-user),
# which carries out the x87 arithmetic in software, and the log says so: a pass then shows
# agreement under QEMU's x87, not a real one. WENDREL_FORCE_QEMU=1 takes that path on any
# machine.
#
# WENDREL_GCC_BUILD=DIR takes the gcc build from DIR, where GCC has built wendrel-gen in
# the same configuration already (RelWithDebInfo, as the default preset's build/ is),
# instead of building it again; `make portability` does so with build/.
set -euo pipefail
cd "$(dirname "$0")/.."

root=build-portability
out=$root/out
ranges=("0 2000" "2147481648 2147483648")
builds=(gcc clang gcc-m32 mingw-w64)
# The builds whose program runs under another one, and which; gcc-m32 joins when the
# kernel will not run it (see choose_x87_runner).
declare -A under=([mingw-w64]=Wine)
# The folder of each build, where it is not $root/NAME.
declare -A folder=()

wine=/usr/lib/wine/wine64 # Debian keeps the 64-bit loader off PATH
[ -x "$wine" ] || wine=$(command -v wine64 || command -v wine || echo wine64)
# A prefix of our own, so that the user's Wine setup is neither needed nor touched; the
# first start fills it, which takes a while. mscoree and mshtml off: no installer prompts.
export WINEPREFIX=$PWD/$root/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
qemu="qemu-i386"

say() { echo "portability: $*"; }
fail() {
  say "$*" >&2
  exit 1
}

# A build's name as the log gives it, with what its program ran under.
label() { echo "$1${under[$1]:+ (under ${under[$1]})}"; }

# Only wendrel-gen, nothing that needs Qt, GoogleTest or Benchmark: each build is light.
# Warnings fail these builds as they fail the presets': here our own code meets Clang's,
# MinGW's and the 32-bit target's warnings.
build() {
  local name=$1
  shift
  say "building $name"
  if ! { cmake -S . -B "$root/$name" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DWENDREL_WERROR=ON -DBUILD_TESTING=OFF -DWENDREL_GUI=OFF -DWENDREL_BENCH=OFF "$@" &&
    cmake --build "$root/$name" --target wendrel-gen; } >"$root/$name.log" 2>&1; then
    cat "$root/$name.log" >&2
    fail "the $name build failed"
  fi
}

# Prints what the build's wendrel-gen prints for the arguments, with Unix line ends.
run() {
  local name=$1
  shift
  case ${under[$name]:-} in
    Wine) "$wine" "$root/$name/tools/wendrel-gen.exe" "$@" | tr -d '\r' ;;
    "$qemu") "$qemu" "$root/$name/tools/wendrel-gen" "$@" ;;
    *) "${folder[$name]:-$root/$name}/tools/wendrel-gen" "$@" ;;
  esac
}

# Takes the gcc build's wendrel-gen from a build folder made elsewhere (WENDREL_GCC_BUILD),
# after checking that GCC built it in the configuration that build() would use.
take_gcc_build() {
  local dir=${1%/}
  [ -x "$dir/tools/wendrel-gen" ] || fail "no $dir/tools/wendrel-gen to take as the gcc build"
  if ! grep -qx "CMAKE_BUILD_TYPE:STRING=RelWithDebInfo" "$dir/CMakeCache.txt" ||
    ! grep -qs 'set(CMAKE_CXX_COMPILER_ID "GNU")' "$dir"/CMakeFiles/*/CMakeCXXCompiler.cmake; then
    fail "$dir is not a RelWithDebInfo build by GCC, which the gcc build must be"
  fi
  folder[gcc]=$dir
  say "gcc: taking $dir/tools/wendrel-gen"
}

# Runs the x87 build directly if the kernel will, under qemu-i386 if it answers "Exec
# format error" or WENDREL_FORCE_QEMU=1 asks; any other failure to start is a failure.
choose_x87_runner() {
  local name=gcc-m32 status=0 why="WENDREL_FORCE_QEMU=1"
  if [ "${WENDREL_FORCE_QEMU:-0}" != 1 ]; then
    "$root/$name/tools/wendrel-gen" --help >/dev/null 2>"$root/$name.try" || status=$?
    if [ "$status" -eq 0 ]; then
      say "$name runs directly"
      return
    fi
    if [ "$status" -ne 126 ] || ! grep -q "Exec format error" "$root/$name.try"; then
      cat "$root/$name.try" >&2
      fail "$name's wendrel-gen does not start (status $status)"
    fi
    why="this kernel does not run 32-bit x86 programs"
  fi
  command -v "$qemu" >/dev/null ||
    fail "no $qemu, which $name needs ($why): install qemu-user (scripts/install-deps.sh)"
  under[$name]=$qemu
  say "$name runs under $qemu: $why"
}

# Wine's first start fills the prefix, so a failure here is Wine's, not the program's: say
# which piece is missing rather than leave a bare exit status. Wine's errors are let
# through for this one start only.
check_wine() {
  local exe=$root/mingw-w64/tools/wendrel-gen.exe log=$root/wine-start.log status=0 missing
  command -v "$wine" >/dev/null ||
    fail "Wine's 64-bit loader is missing (no $wine): install wine64 (scripts/install-deps.sh)"
  WINEDEBUG=fixme-all "$wine" "$exe" --help >"$log" 2>&1 || status=$?
  if [ "$status" -eq 0 ]; then
    return
  fi
  grep -E "^wine: |:err:module:" "$log" >&2 || cat "$log" >&2
  missing=$(sed -n 's/.*Library \([^ ]*\) (which is needed by.*/\1/p' "$log" | sort -u |
    tr '\n' ' ')
  if [ -n "$missing" ]; then
    fail "Wine cannot start wendrel-gen.exe: it lacks ${missing% } (is the .exe still static?)"
  fi
  fail "Wine cannot start wendrel-gen.exe in the prefix $WINEPREFIX (status $status);" \
    "Wine's own words are above"
}

# The number of the first line where two files part (counting from 1), or nothing.
first_difference() {
  awk -v other="$2" '
    { if ((getline theirs < other) <= 0 || theirs "" != $0 "") { print NR; parted = 1; exit } }
    END { if (!parted && (getline theirs < other) > 0) print NR + 1 }' "$1"
}

mkdir -p "$root"
if [ -n "${WENDREL_GCC_BUILD:-}" ]; then
  take_gcc_build "$WENDREL_GCC_BUILD"
else
  build gcc -DCMAKE_CXX_COMPILER=g++
fi
build clang -DCMAKE_CXX_COMPILER=clang++
build gcc-m32 -DCMAKE_CXX_COMPILER=g++ -DCMAKE_CXX_FLAGS=-m32 -DCMAKE_EXE_LINKER_FLAGS=-m32
build mingw-w64 --toolchain cmake/mingw-w64.cmake

# Wine's server lingers for a while after its last program; end it with the run.
trap '"$(dirname "$wine")/wineserver" -k 2>/dev/null || true' EXIT
choose_x87_runner
check_wine

rm -rf "$out"
mkdir -p "$out"
failed=0
for range in "${ranges[@]}"; do
  read -r first end <<<"$range"
  for name in "${builds[@]}"; do
    file=$out/$name.$first.jsonl
    if ! run "$name" --seeds "$first" "$end" >"$file" 2>"$out/$name.$first.err"; then
      cat "$out/$name.$first.err" >&2
      say "$(label "$name") failed on --seeds $first $end" >&2
      failed=1
      continue
    fi
    lines=$(wc -l <"$file")
    if [ "$lines" -ne $((end - first)) ]; then
      say "$(label "$name") printed $lines lines for --seeds $first $end," \
        "not $((end - first))" >&2
      failed=1
    fi
    reference=$out/gcc.$first.jsonl
    if [ "$name" = gcc ] || [ ! -s "$reference" ] || cmp -s "$reference" "$file"; then
      continue
    fi
    failed=1
    line=$(first_difference "$reference" "$file")
    if [ -n "$line" ]; then
      say "$(label "$name") differs from gcc first at seed $((first + line - 1))" \
        "(--seeds $first $end; outputs kept in $out)" >&2
    else
      say "$(label "$name") differs from gcc in line ends only (--seeds $first $end)" >&2
    fi
  done
done

# A game saved by one build opens in every other, whose arithmetic may differ, and prints
# the same there.
games=(fuzz/corpus/played.wendrel fuzz/corpus/heart-solved.wendrel)
for game in "${games[@]}"; do
  for name in "${builds[@]}"; do
    file=$out/$name.$(basename "$game").jsonl
    if ! run "$name" --game "$game" >"$file" 2>"$out/$name.game.err"; then
      cat "$out/$name.game.err" >&2
      say "$(label "$name") cannot open $game" >&2
      failed=1
    elif ! cmp -s "$out/gcc.$(basename "$game").jsonl" "$file"; then
      say "$(label "$name") prints $game differently from gcc" >&2
      failed=1
    fi
  done
done

# A figure read from its file, scaled on each build, and seeds placed by the puzzle number
# give the same puzzles everywhere too.
figure_runs=("--figure shapes/figures/elephant.wendrel-figure --seeds 0 200"
  "--figure heart --pieces 12 --seeds 0 200" "--figure cat --pieces 20 --seeds 0 200")
for k in "${!figure_runs[@]}"; do
  read -ra args <<<"${figure_runs[$k]}"
  for name in "${builds[@]}"; do
    file=$out/$name.figure$k.jsonl
    if ! run "$name" "${args[@]}" >"$file" 2>"$out/$name.figure.err"; then
      cat "$out/$name.figure.err" >&2
      say "$(label "$name") failed on ${figure_runs[$k]}" >&2
      failed=1
    elif ! cmp -s "$out/gcc.figure$k.jsonl" "$file"; then
      say "$(label "$name") prints ${figure_runs[$k]} differently from gcc" >&2
      failed=1
    fi
  done
done

if [ "$failed" -ne 0 ]; then
  exit 1
fi
seeds=0
for range in "${ranges[@]}"; do
  read -r first end <<<"$range"
  seeds=$((seeds + end - first))
done
names=""
for name in "${builds[@]}"; do
  names+="${names:+, }$(label "$name")"
done
say "$seeds seeds (${ranges[*]/ /..}), ${#games[@]} saved games and ${#figure_runs[@]} figure runs" \
  "print the same in $names"
rm -rf "$out"
