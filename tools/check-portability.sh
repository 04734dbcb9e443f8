#!/usr/bin/env bash
# The same seed must give the same puzzle on every platform. This builds wendrel-gen four
# ways (GCC, Clang, GCC -m32 and MinGW-w64, the last run under Wine) and checks that all
# four print byte-identical lines, line ends aside, for the first 2000 seeds and for the
# last 2000 (up to 2147483647). It fails naming the first seed where a build parts from
# GCC's. `make portability` runs it; the builds live in build-portability/.
set -euo pipefail
cd "$(dirname "$0")/.."

root=build-portability
out=$root/out
ranges=("0 2000" "2147481648 2147483648")
builds=(gcc clang gcc-m32 mingw-w64)

wine=/usr/lib/wine/wine64 # Debian keeps the 64-bit loader off PATH
[ -x "$wine" ] || wine=$(command -v wine64 || command -v wine || echo wine64)
# A prefix of our own, so that the user's Wine setup is neither needed nor touched; the
# first start fills it, which takes a while. mscoree and mshtml off: no installer prompts.
export WINEPREFIX=$PWD/$root/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

say() { echo "portability: $*"; }

# Only wendrel-gen, nothing that needs Qt, GoogleTest or Benchmark: each build is light.
build() {
  local name=$1
  shift
  say "building $name"
  if ! { cmake -S . -B "$root/$name" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBUILD_TESTING=OFF -DWENDREL_GUI=OFF -DWENDREL_BENCH=OFF "$@" &&
    cmake --build "$root/$name" --target wendrel-gen; } >"$root/$name.log" 2>&1; then
    cat "$root/$name.log" >&2
    say "the $name build failed" >&2
    exit 1
  fi
}

# Prints what the build's wendrel-gen prints for the arguments, with Unix line ends.
run() {
  local name=$1
  shift
  if [ "$name" = mingw-w64 ]; then
    "$wine" "$root/$name/tools/wendrel-gen.exe" "$@" | tr -d '\r'
  else
    "$root/$name/tools/wendrel-gen" "$@"
  fi
}

# The number of the first line where two files part (counting from 1), or nothing.
first_difference() {
  awk -v other="$2" '
    { if ((getline theirs < other) <= 0 || theirs "" != $0 "") { print NR; parted = 1; exit } }
    END { if (!parted && (getline theirs < other) > 0) print NR + 1 }' "$1"
}

mkdir -p "$root"
build gcc -DCMAKE_CXX_COMPILER=g++
build clang -DCMAKE_CXX_COMPILER=clang++
build gcc-m32 -DCMAKE_CXX_COMPILER=g++ -DCMAKE_CXX_FLAGS=-m32 -DCMAKE_EXE_LINKER_FLAGS=-m32
build mingw-w64 --toolchain cmake/mingw-w64.cmake

rm -rf "$out"
mkdir -p "$out"
failed=0
for range in "${ranges[@]}"; do
  read -r first end <<<"$range"
  for name in "${builds[@]}"; do
    file=$out/$name.$first.jsonl
    if ! run "$name" --seeds "$first" "$end" >"$file" 2>"$out/$name.$first.err"; then
      cat "$out/$name.$first.err" >&2
      say "$name failed on --seeds $first $end" >&2
      failed=1
      continue
    fi
    lines=$(wc -l <"$file")
    if [ "$lines" -ne $((end - first)) ]; then
      say "$name printed $lines lines for --seeds $first $end, not $((end - first))" >&2
      failed=1
    fi
    reference=$out/gcc.$first.jsonl
    if [ "$name" = gcc ] || [ ! -s "$reference" ] || cmp -s "$reference" "$file"; then
      continue
    fi
    failed=1
    line=$(first_difference "$reference" "$file")
    if [ -n "$line" ]; then
      say "$name differs from gcc first at seed $((first + line - 1)) (--seeds $first $end;" \
        "outputs kept in $out)" >&2
    else
      say "$name differs from gcc in line ends only (--seeds $first $end)" >&2
    fi
  done
done
# Wine's server lingers for a while after its last program; end it with the run.
"$(dirname "$wine")/wineserver" -k 2>/dev/null || true

if [ "$failed" -ne 0 ]; then
  exit 1
fi
seeds=0
for range in "${ranges[@]}"; do
  read -r first end <<<"$range"
  seeds=$((seeds + end - first))
done
say "$seeds seeds (${ranges[*]/ /..}) print the same in ${builds[*]}"
rm -rf "$out"
