#!/bin/sh
# Installs what the build and the tests need on a Debian machine: the native
# toolchain with GoogleTest and Google Benchmark, the country file
# (hamradio-files), Python 3, Chromium (the report pages' browser test),
# the mingw-w64 cross compiler for the 32-bit DLL, Wine (32-bit) to run it,
# Xvfb for screenshots, clang/llvm to check the MSVC-decorated export
# names. Does nothing when everything is present.
#   install-deps.sh           everything
#   install-deps.sh --native  only what the native build and its tests need
#   install-deps.sh --pictures  everything, and for the README's pictures
#                               ImageMagick and Wine's own fonts (Tahoma and
#                               Marlett draw the title bars and their buttons)
set -e
native_only=0
pictures=0
[ "${1:-}" = "--native" ] && native_only=1
[ "${1:-}" = "--pictures" ] && pictures=1

need=""
have() { command -v "$1" >/dev/null 2>&1; }
have cmake || need="$need cmake"
have make || need="$need make"
have g++ || need="$need g++"
[ -f /usr/include/gtest/gtest.h ] || need="$need libgtest-dev"
# Google Benchmark, for bench/ (scripts/bench.sh; CI runs it once, tiny).
[ -f /usr/include/benchmark/benchmark.h ] || need="$need libbenchmark-dev"
# The country file cq160 resolves calls with.
[ -f /usr/share/hamradio-files/cty.dat ] || need="$need hamradio-files"
# Headless Chromium, in which the test of cq160 report's pages loads them.
have chromium || need="$need chromium"
# The strict JSON check of cq160's tests, the benchmark's table.
have python3 || need="$need python3"
if [ "$native_only" = 0 ]; then
have i686-w64-mingw32-g++-posix || need="$need g++-mingw-w64-i686 binutils-mingw-w64-i686"
have clang++ || need="$need clang"
have llvm-nm || need="$need llvm"
have Xvfb || need="$need xvfb"
have xwd || need="$need x11-apps"
wine_ok=1
have wine || wine_ok=0
dpkg -s wine32:i386 >/dev/null 2>&1 || wine_ok=0
[ "$wine_ok" = 1 ] || need="$need wine wine32:i386"
fi

if [ "$pictures" = 1 ]; then
[ -x /usr/bin/convert ] || need="$need imagemagick"
[ -f /usr/share/wine/fonts/marlett.ttf ] || need="$need fonts-wine"
fi

if [ -z "$need" ]; then
    exit 0
fi

SUDO=""
[ "$(id -u)" = 0 ] || SUDO=sudo
echo "install-deps: installing$need" >&2
case "$need" in
    *i386*) $SUDO dpkg --add-architecture i386 ;;
esac
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends $need >/dev/null
