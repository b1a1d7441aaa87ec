#!/usr/bin/env bash
# Builds the game as a static web page (WebAssembly, Emscripten) into dist/web/,
# with the WebAssembly build of the replay tool beside it in build-web/.
#   scripts/web.sh [--libs-only]
# SDL2, zlib and libpng come from Debian's source packages at the revision
# the mirror serves, sdl12-compat and SDL_image from third_party/; they are
# built once into the cache's web-sdl2 and web-libs (scripts/lib/cache.sh).
# Any failure is one line on stderr.
set -euo pipefail
. "$(dirname "$0")/lib/common.sh"
RPG_NAME=web
cd "$RPG_REPO"
# emcc's JavaScript optimizer finds its modules there on Debian.
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
for tool in emcc emcmake emconfigure cmake apt-get dpkg-source; do
    command -v $tool >/dev/null || fail "$tool is missing (scripts/install-deps.sh --web installs it)"
done

# SDL2 from Debian's source, its API renamed SDL2_* at the symbol level so it
# links beside sdl12-compat's SDL 1.2 functions of the same names. SDL2
# computes exp() with its own code: WebAssembly will not link the C library's
# function beside the game's variable `exp`.
build_sdl2() { # OUT
    local work
    work=$(mktemp -d)
    debian_sources_fetch "$work/src" "$DEBIAN_SDL2_SOURCE"
    debian_source_unpack "$work/src" "$work/sdl2" "$DEBIAN_SDL2_SOURCE"
    echo "web: SDL2 (a few minutes)" >&2
    sed -i 's/ exp expf / expf /' "$work/sdl2/CMakeLists.txt"
    sed -n 's/^SDL_DYNAPI_PROC([^,]*,\(SDL_[A-Za-z0-9_]*\),.*/#pragma redefine_extname \1 SDL2_\1/p' \
        "$work/sdl2/src/dynapi/SDL_dynapi_procs.h" | sed 's/SDL2_SDL_/SDL2_/' >"$work/sdl2-rename.h"
    emcmake cmake -S "$work/sdl2" -B "$work/build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$1" \
        -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF -DSDL_THREADS=OFF \
        -DCMAKE_C_FLAGS="-include $work/sdl2-rename.h -Wno-ignored-pragmas" >"$1/build.log" 2>&1 ||
        fail "SDL2 configure failed (see $1/build.log)"
    cmake --build "$work/build" -j"$RPG_JOBS" >>"$1/build.log" 2>&1 || fail "SDL2 build failed (see $1/build.log)"
    cmake --install "$work/build" >>"$1/build.log" 2>&1 || fail "SDL2 install failed"
    rm -rf "$work"
}

# zlib and libpng from Debian's sources, sdl12-compat (with our patches) and
# a PNG-only SDL_image from third_party/, static, into OUT.
build_libs() { # OUT
    local out=$1 work log=$1/build.log
    work=$(mktemp -d)
    debian_sources_fetch "$work/src" "$DEBIAN_ZLIB_SOURCE" "$DEBIAN_PNG_SOURCE"
    echo "web: zlib, libpng" >&2
    debian_source_unpack "$work/src" "$work/zlib" "$DEBIAN_ZLIB_SOURCE"
    (cd "$work/zlib" && emconfigure ./configure --static --prefix="$out" && emmake make -j"$RPG_JOBS" install) \
        >"$log" 2>&1 || fail "zlib build failed (see $log)"
    debian_source_unpack "$work/src" "$work/png" "$DEBIAN_PNG_SOURCE"
    emcmake cmake -S "$work/png" -B "$work/png-build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$out" \
        -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
        -DZLIB_INCLUDE_DIR="$out/include" -DZLIB_LIBRARY="$out/lib/libz.a" >>"$log" 2>&1 ||
        fail "libpng configure failed (see $log)"
    cmake --build "$work/png-build" -j"$RPG_JOBS" --target install >>"$log" 2>&1 ||
        fail "libpng build failed (see $log)"

    echo "web: sdl12-compat, SDL_image" >&2
    cp -r third_party/sdl12-compat "$work/compat"
    for p in third_party/patches/sdl12-compat-*.patch; do
        patch -d "$work/compat" -p1 <"$p" >>"$log" 2>&1 || fail "cannot apply $p"
    done
    emcc -O2 -c "$work/compat/src/SDL12_compat.c" -o "$work/SDL12_compat.o" \
        -I"$sdl2/include/SDL2" -DSDL_DISABLE_IMMINTRIN_H >>"$log" 2>&1 ||
        fail "sdl12-compat build failed (see $log)"
    emar rcs "$out/lib/libSDL.a" "$work/SDL12_compat.o"
    cp -r "$work/compat/include/SDL" "$out/include/"
    emcmake cmake -S third_party/SDL_image-build -B "$work/image-build" -DCMAKE_BUILD_TYPE=Release \
        -DBUILD_SHARED_LIBS=OFF -DCMAKE_INSTALL_PREFIX="$out" -DSDL12_INCLUDE_DIR="$out/include/SDL" \
        -DPNG_PNG_INCLUDE_DIR="$out/include" -DPNG_LIBRARY="$out/lib/libpng16.a" \
        -DZLIB_INCLUDE_DIR="$out/include" -DZLIB_LIBRARY="$out/lib/libz.a" >>"$log" 2>&1 ||
        fail "SDL_image configure failed (see $log)"
    cmake --build "$work/image-build" -j"$RPG_JOBS" --target install >>"$log" 2>&1 ||
        fail "SDL_image build failed (see $log)"
    rm -rf "$work"
}

# Each is built again when the revision the mirror serves, the compiler, the
# steps or, for the SDL 1.2 side, our sources and patches change.
compiler="text:emcc $(emcc -dumpversion)"
debian_apt_setup
CACHE_FUNCTIONS="debian_sources_fetch debian_source_unpack"
sdl2=$(cache_build web-sdl2 build_sdl2 "$compiler" "text:$(debian_source_revisions "$DEBIAN_SDL2_SOURCE")")
libs=$(cache_build web-libs build_libs "$compiler" "text:$(cat "$sdl2/.cache-key")" \
    "text:$(debian_source_revisions "$DEBIAN_ZLIB_SOURCE" "$DEBIAN_PNG_SOURCE")" \
    third_party/sdl12-compat third_party/SDL_image third_party/SDL_image-build third_party/patches)
[ "${1:-}" = --libs-only ] && exit 0

# The game's build: built afresh when the libraries were (its CMake cache
# holds what pkg-config said of them), with pkg-config finding the SDL 1.2
# API and libpng of the cache, as the game's CMake build asks for them on a
# desktop.
build=$RPG_REPO/build-web
[ "$(cat "$build/.web-libs" 2>/dev/null)" = "$(cat "$libs/.cache-key")" ] || rm -rf "$build"
mkdir -p "$build"
cat "$libs/.cache-key" >"$build/.web-libs"
pc=$build/pkgconfig
mkdir -p "$pc"
cat >"$pc/sdl.pc" <<PC
Name: sdl
Description: sdl12-compat over SDL2, static, for WebAssembly
Version: $SDL12COMPAT_VERSION
Cflags: -I$libs/include/SDL -D_GNU_SOURCE=1
Libs: -L$libs/lib -lSDL -L$sdl2/lib -lSDL2
PC
cat >"$pc/SDL_image.pc" <<PC
Name: SDL_image
Description: SDL_image $SDL_IMAGE_VERSION, PNG only, static, for WebAssembly
Version: $SDL_IMAGE_VERSION
Requires: sdl libpng
Cflags: -I$libs/include/SDL
Libs: -L$libs/lib -lSDL_image-1.2 -lpng16 -lz
PC
cat >"$pc/libpng.pc" <<PC
Name: libpng
Description: libpng from Debian's source, static, for WebAssembly
Version: 1.6
Cflags: -I$libs/include
Libs: -L$libs/lib -lpng16 -lz
PC

echo "web: the game" >&2
# Our SDL 1.2 headers come before the ones Emscripten carries for its own SDL.
# The build runs make-media under node, which takes none of the options emcmake would give it.
PKG_CONFIG_LIBDIR=$pc cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DRPG_WERROR=ON -DRPG_CXX98=ON \
    -DCMAKE_TOOLCHAIN_FILE="$(em-config EMSCRIPTEN_ROOT)/cmake/Modules/Platform/Emscripten.cmake" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$(command -v node);--no-experimental-fetch" \
    -DCMAKE_CXX_FLAGS="-I$libs/include/SDL" -DCMAKE_FIND_ROOT_PATH_MODE_LIBRARY=BOTH \
    >"$build/game.log" 2>&1 || fail "configure failed (see $build/game.log)"
cmake --build "$build" -j"$RPG_JOBS" >>"$build/game.log" 2>&1 || fail "build failed (see $build/game.log)"

# The page: the game's files and icons, our page, its manifest, and the
# controls table of the README (less Alt+Return: the page has its own
# full-screen button); then the sizes and the service worker (web-seal.sh).
out=$RPG_REPO/dist/web
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
