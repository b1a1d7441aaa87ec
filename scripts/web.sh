#!/usr/bin/env bash
# Builds the game as a static web page (WebAssembly, Emscripten) into dist/web/,
# with the WebAssembly build of the replay tool beside it in build-web/.
#   scripts/web.sh [--libs-only]
# SDL2, zlib and libpng come from Debian's source packages, sdl12-compat and
# SDL_image from third_party/; they are built once into
# ${XDG_CACHE_HOME:-~/.cache}/gp2x-rpg/web-libs and reused while its stamp
# names the same versions, patches and compiler. Any failure is one line on stderr.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
cd "$repo"

# The Debian source packages the page is built from.
sources="libsdl2=2.26.5+dfsg-1 zlib=1:1.2.13.dfsg-1 libpng1.6=1.6.39-2+deb12u5"
cache=${XDG_CACHE_HOME:-$HOME/.cache}/gp2x-rpg
libs=$cache/web-libs
work=$cache/web-work
stamp=$libs/.web-libs
jobs=${JOBS:-2}
# emcc's JavaScript optimizer finds its modules there on Debian.
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}

. scripts/lib/debian-mirror.sh

fail() {
    echo "web: $*" >&2
    exit 1
}
for tool in emcc emcmake emconfigure cmake apt-get dpkg-source; do
    command -v $tool >/dev/null || fail "$tool is missing (scripts/install-deps.sh --web installs it)"
done

# A private apt configuration in the cache that reads the source packages from
# the Debian mirror and suite this machine's apt uses; the system's own is left
# as it is.
apt_src() {
    local codename mirror keyring
    codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
    [ -n "$codename" ] || fail "no VERSION_CODENAME in /etc/os-release"
    read -r mirror keyring < <(debian_mirror) || true
    [ -n "${mirror:-}" ] || fail "no Debian source for $codename in /etc/apt"
    local apt=$work/apt
    mkdir -p "$apt/lists/partial" "$apt/archives/partial" "$apt/parts"
    local signed=""
    [ -n "${keyring:-}" ] && [ -f "$keyring" ] && signed="[signed-by=$keyring] "
    echo "deb-src $signed$mirror $codename main" >"$apt/sources.list"
    touch "$apt/status"
    aptopts=(-o Dir::Etc::SourceList="$apt/sources.list" -o Dir::Etc::SourceParts="$apt/parts"
        -o Dir::State::Lists="$apt/lists" -o Dir::Cache="$apt" -o Dir::State::Status="$apt/status"
        -o APT::Sandbox::User=root)
    apt-get "${aptopts[@]}" update >"$work/apt.log" 2>&1 || fail "apt-get update of the source lists failed (see $work/apt.log)"
    mkdir -p "$work/src"
    (cd "$work/src" && apt-get "${aptopts[@]}" source --download-only $sources >>"$work/apt.log" 2>&1) ||
        fail "apt-get source $sources failed (see $work/apt.log)"
}

unpack() { # PACKAGE: unpacks its Debian source afresh, prints the folder
    local dsc
    dsc=$(ls "$work/src/${1}"_*.dsc | head -1)
    rm -rf "$work/$1"
    dpkg-source --no-check -x "$dsc" "$work/$1" >>"$work/apt.log" 2>&1 || fail "cannot unpack $dsc"
    echo "$work/$1"
}

build_sdl2() {
    echo "web: SDL2 (a few minutes)" >&2
    local sdl2
    sdl2=$(unpack libsdl2)
    # SDL2's API is renamed SDL2_* at the symbol level, so it links beside
    # sdl12-compat's SDL 1.2 functions of the same names. SDL2 computes exp()
    # with its own code: WebAssembly will not link the C library's function
    # beside the game's variable `exp`.
    sed -i 's/ exp expf / expf /' "$sdl2/CMakeLists.txt"
    sed -n 's/^SDL_DYNAPI_PROC([^,]*,\(SDL_[A-Za-z0-9_]*\),.*/#pragma redefine_extname \1 SDL2_\1/p' \
        "$sdl2/src/dynapi/SDL_dynapi_procs.h" | sed 's/SDL2_SDL_/SDL2_/' >"$work/sdl2-rename.h"
    emcmake cmake -S "$sdl2" -B "$work/sdl2-build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$libs/sdl2" \
        -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF -DSDL_THREADS=OFF \
        -DCMAKE_C_FLAGS="-include $work/sdl2-rename.h -Wno-ignored-pragmas" >"$work/sdl2.log" 2>&1 ||
        fail "SDL2 configure failed (see $work/sdl2.log)"
    cmake --build "$work/sdl2-build" -j"$jobs" >>"$work/sdl2.log" 2>&1 || fail "SDL2 build failed (see $work/sdl2.log)"
    cmake --install "$work/sdl2-build" >>"$work/sdl2.log" 2>&1 || fail "SDL2 install failed"
}

build_libs() {
    echo "web: zlib, libpng" >&2
    local zlib png
    zlib=$(unpack zlib)
    (cd "$zlib" && emconfigure ./configure --static --prefix="$libs" && emmake make -j"$jobs" install) \
        >"$work/zlib.log" 2>&1 || fail "zlib build failed (see $work/zlib.log)"
    png=$(unpack libpng1.6)
    emcmake cmake -S "$png" -B "$work/png-build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$libs" \
        -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
        -DZLIB_INCLUDE_DIR="$libs/include" -DZLIB_LIBRARY="$libs/lib/libz.a" >"$work/png.log" 2>&1 ||
        fail "libpng configure failed (see $work/png.log)"
    cmake --build "$work/png-build" -j"$jobs" --target install >>"$work/png.log" 2>&1 ||
        fail "libpng build failed (see $work/png.log)"

    echo "web: sdl12-compat, SDL_image" >&2
    local compat=$work/sdl12-compat
    rm -rf "$compat"
    cp -r third_party/sdl12-compat "$compat"
    for p in third_party/patches/sdl12-compat-*.patch; do
        patch -d "$compat" -p1 <"$p" >"$work/compat.log" 2>&1 || fail "cannot apply $p"
    done
    emcc -O2 -c "$compat/src/SDL12_compat.c" -o "$work/SDL12_compat.o" \
        -I"$libs/sdl2/include/SDL2" -DSDL_DISABLE_IMMINTRIN_H >>"$work/compat.log" 2>&1 ||
        fail "sdl12-compat build failed (see $work/compat.log)"
    emar rcs "$libs/lib/libSDL.a" "$work/SDL12_compat.o"
    cp -r "$compat/include/SDL" "$libs/include/"
    emcmake cmake -S third_party/SDL_image-build -B "$work/image-build" -DCMAKE_BUILD_TYPE=Release \
        -DBUILD_SHARED_LIBS=OFF -DCMAKE_INSTALL_PREFIX="$libs" -DSDL12_INCLUDE_DIR="$libs/include/SDL" \
        -DPNG_PNG_INCLUDE_DIR="$libs/include" -DPNG_LIBRARY="$libs/lib/libpng16.a" \
        -DZLIB_INCLUDE_DIR="$libs/include" -DZLIB_LIBRARY="$libs/lib/libz.a" >"$work/image.log" 2>&1 ||
        fail "SDL_image configure failed (see $work/image.log)"
    cmake --build "$work/image-build" -j"$jobs" --target install >>"$work/image.log" 2>&1 ||
        fail "SDL_image build failed (see $work/image.log)"
}

# Each part is rebuilt when its stamp differs: the versions, the compiler, the
# steps that build it and, for the SDL 1.2 side, our patches.
key() { echo "$sources emcc $(emcc -dumpversion) $(declare -f "$@" | sha256sum | cut -c1-16)"; }
want_sdl2=$(key apt_src unpack build_sdl2)
want=$(key apt_src unpack build_libs)" $(cat third_party/patches/*.patch third_party/SDL_image-build/* | sha256sum | cut -c1-16)"
if [ -f "$libs/sdl2/.stamp" ] && [ "$(cat "$libs/sdl2/.stamp")" = "$want_sdl2" ]; then
    echo "web: SDL2 from $libs/sdl2" >&2
else
    rm -rf "$work" "$libs"
    mkdir -p "$work"
    apt_src
    build_sdl2
    echo "$want_sdl2" >"$libs/sdl2/.stamp"
fi
if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$want" ]; then
    echo "web: libraries from $libs" >&2
else
    [ -d "$work/src" ] || apt_src
    rm -rf "$libs/include" "$libs/lib"
    mkdir -p "$libs/include" "$libs/lib"
    build_libs
    echo "$want" >"$stamp"
    rm -rf build-web # its CMake cache holds what pkg-config said of the old libraries
fi
[ "${1:-}" = --libs-only ] && exit 0

# pkg-config finds the SDL 1.2 API and libpng of the cache, as the game's
# CMake build asks for them on a desktop.
pc=$libs/lib/pkgconfig
mkdir -p "$pc"
cat >"$pc/sdl.pc" <<PC
Name: sdl
Description: sdl12-compat over SDL2, static, for WebAssembly
Version: 1.2.60
Cflags: -I$libs/include/SDL -D_GNU_SOURCE=1
Libs: -L$libs/lib -lSDL -L$libs/sdl2/lib -lSDL2
PC
cat >"$pc/SDL_image.pc" <<PC
Name: SDL_image
Description: SDL_image 1.2.12, PNG only, static, for WebAssembly
Version: 1.2.12
Requires: sdl libpng
Cflags: -I$libs/include/SDL
Libs: -L$libs/lib -lSDL_image-1.2 -lpng16 -lz
PC

echo "web: the game" >&2
build=$repo/build-web
# Our SDL 1.2 headers come before the ones Emscripten carries for its own SDL.
# The build runs make-media under node, which takes none of the options emcmake would give it.
PKG_CONFIG_LIBDIR=$pc cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DRPG_WERROR=ON -DRPG_CXX98=ON \
    -DCMAKE_TOOLCHAIN_FILE="$(em-config EMSCRIPTEN_ROOT)/cmake/Modules/Platform/Emscripten.cmake" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$(command -v node);--no-experimental-fetch" \
    -DCMAKE_CXX_FLAGS="-I$libs/include/SDL" -DCMAKE_FIND_ROOT_PATH_MODE_LIBRARY=BOTH \
    >"$work/game.log" 2>&1 || fail "configure failed (see $work/game.log)"
cmake --build "$build" -j"$jobs" >>"$work/game.log" 2>&1 || fail "build failed (see $work/game.log)"

# The page: the game's files and icons, our page, its manifest, and the
# controls table of the README (less Alt+Return: the page has its own
# full-screen button); then the sizes and the service worker (web-seal.sh).
out=$repo/dist/web
rm -rf "$out"
mkdir -p "$out"
cp "$build"/gp2x-rpg.js "$build"/gp2x-rpg.wasm "$build"/gp2x-rpg.data web/page.js web/page.css \
    web/manifest.webmanifest "$out/"
for size in 192 512; do
    cp "$build/icons/plain/${size}x$size/apps/gp2x-rpg.png" "$out/icon-$size.png"
    cp "$build/icons/maskable/${size}x$size/apps/gp2x-rpg.png" "$out/icon-maskable-$size.png"
done
controls=$(sed -n '/^## Controls/,/^## /p' README.md | grep '^|' | grep -v 'Alt+Return' | awk -F'|' '
    NR == 2 { next }
    {
        cell = NR == 1 ? "th" : "td"
        row = "<tr>"
        for (i = 2; i < NF; i++) { text = $i; gsub(/^ +| +$/, "", text); row = row "<" cell ">" text "</" cell ">" }
        print row "</tr>"
    }' | sed 's|`\([^`]*\)`|<code>\1</code>|g')
[ -n "$controls" ] || fail "no controls table in README.md"
awk -v table="<table>
$controls
</table>" '/<!-- controls -->/ { print table; next } { print }' web/index.html >"$out/index.html"
bash scripts/web-seal.sh "$out" || fail "cannot seal $out"
echo "web: the page is in $out (python3 -m http.server there, then open http://localhost:8000/)" >&2
