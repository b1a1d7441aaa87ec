#!/usr/bin/env bash
# Installs the Debian packages the game, its tools and its tests need, as
# root or through sudo. Does nothing when everything is already there.
#   scripts/install-deps.sh [--tests | --quick | --cross | --deb | --web]
# (--quick: the native build and its unit tests; --cross: the ARM builds and
# the release folders; --deb: the Debian package and its validators; --web:
# the web page)
set -eu
. "$(dirname "$0")/lib/common.sh"
packages="cmake g++ make pkg-config libsdl1.2-compat-dev libsdl-image1.2-dev libpng-dev"
cross="g++-arm-linux-gnueabi g++-aarch64-linux-gnu g++-arm-linux-gnueabihf qemu-user-static debootstrap curl imagemagick"
deb="dpkg-dev file lintian appstream desktop-file-utils"
# The web page: Emscripten, Debian's source tools, node with npm and a browser.
web="emscripten dpkg-dev nodejs chromium"
command -v npm >/dev/null || web="$web npm"
case "${1:-}" in
--tests)
    packages="$packages googletest libgtest-dev libbenchmark-dev clang libclang-rt-$CLANG_MAJOR-dev xvfb xdotool imagemagick x11-utils valgrind $cross"
    # A window manager for the end-to-end test of full screen and the window.
    packages="$packages openbox"
    # The Debian package and its check on a clean root; the web page.
    packages="$packages $deb $web"
    ;;
--quick) packages="$packages googletest libgtest-dev libbenchmark-dev" ;;
--web) packages="$packages $web" ;;
--cross) packages="$packages $cross" ;;
--deb) packages="$packages $deb" ;;
esac
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
as_root apt-get update -qq
as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing
