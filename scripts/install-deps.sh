#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and benchmarking Wendrel need.
# This is the one list of them. Packages already present are left alone.
set -euo pipefail

packages=(
  # build
  build-essential cmake ninja-build pkg-config clang-format
  # the game file's JSON, and the fuzz target for its reader (libFuzzer)
  nlohmann-json3-dev libclang-rt-14-dev
  # the desktop program
  qt6-base-dev libgl-dev
  # a figure from a picture: potrace traces its silhouette, and Qt's SVG plugin reads SVG
  libpotrace-dev qt6-svg-dev
  # its translations: lupdate and lrelease, CMake's Qt6LinguistTools, and Qt's own
  # qtbase_*.qm for the standard dialogs
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  # tests and benchmarks
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  # the same puzzles from other compilers and on Windows (make portability); qemu-user runs
  # the 32-bit build where the kernel will not
  clang g++-multilib g++-mingw-w64-x86-64-posix wine64 qemu-user
  # packaging checks
  desktop-file-utils appstream dpkg-dev lintian man-db
  # headless runs, screenshots and window checks
  xvfb xauth imagemagick xdotool poppler-utils
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all ${#packages[@]} packages are present."
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then sudo="sudo"; else
    echo "install-deps: missing packages (${missing[*]}) and not root; run as root or install sudo." >&2
    exit 1
  fi
fi

echo "install-deps: installing ${#missing[@]} missing packages: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
echo "install-deps: done."
