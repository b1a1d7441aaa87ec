#!/usr/bin/env bash
# Builds the libraries a release folder brings along, for x86_64, aarch64 or
# armhf against the target's Debian 11 sysroot: sdl12-compat (libSDL-1.2,
# which loads the system's SDL2 at run time) and a PNG-only SDL_image from
# third_party/, with libpng16 and zlib from the sysroot, and their licences.
#   scripts/bundle.sh ARCH     (prints the bundle's folder on stdout)
# libs/ holds what a folder copies, lib/ and include/ what the game's build
# links against. A cache entry, bundle-RELEASE_SUITE-ARCH (scripts/lib/cache.sh),
# made again when its sources, our patches, the toolchain files, the sysroot
# or the compiler change.
set -euo pipefail
. "$(dirname "$0")/lib/common.sh"
cd "$RPG_REPO"
arch=${1:?usage: bundle.sh x86_64|aarch64|armhf}
RPG_NAME="bundle $arch"
toolchain=$PWD/cmake/release-$arch.cmake
[ -f "$toolchain" ] || fail "no toolchain file cmake/release-$arch.cmake"
debian_arch=$(sed -n 's/^set(RPG_DEBIAN_ARCH \(.*\))$/\1/p' "$toolchain")
triplet=$(sed -n 's/^set(RPG_RELEASE_TRIPLET \(.*\))$/\1/p' "$toolchain")
RPG_SYSROOT=$(bash scripts/sysroot.sh "$debian_arch" "$RELEASE_SUITE")
export RPG_SYSROOT
compiler=g++
[ "$triplet" != x86_64-linux-gnu ] && compiler=$triplet-g++

make_bundle() { # OUT
    local out=$1 work log=$1/build.log
    work=$(mktemp -d)
    # Our changes to the vendored sources: the patches written for these folders.
    cp -r third_party/sdl12-compat third_party/SDL_image third_party/SDL_image-build "$work/"
    for patch in third_party/patches/release-*.patch; do
        [ -f "$patch" ] || continue
        patch -d "$work" -p1 <"$patch" >>"$log" || fail "cannot apply $patch"
    done
    step() { # WHAT COMMAND...
        local what=$1
        shift
        "$@" >>"$log" 2>&1 || fail "$what failed (see $log)"
    }
    local cmake_args=(-DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$out"
        -DCMAKE_INSTALL_LIBDIR=lib)
    step "configuring sdl12-compat" cmake -S "$work/sdl12-compat" -B "$work/build-sdl" "${cmake_args[@]}" \
        -DSDL12TESTS=OFF -DSDL2_INCLUDE_DIR="$RPG_SYSROOT/usr/include/SDL2"
    step "building sdl12-compat" cmake --build "$work/build-sdl" -j"$RPG_JOBS" --target install
    step "configuring SDL_image" cmake -S "$work/SDL_image-build" -B "$work/build-image" "${cmake_args[@]}" \
        -DSDL12_INCLUDE_DIR="$out/include/SDL" -DSDL12_LIBRARY="$out/lib/libSDL-1.2.so.0"
    step "building SDL_image" cmake --build "$work/build-image" -j"$RPG_JOBS" --target install
    rm -rf "$work"

    # What a folder brings: each library once, under the name the loader asks
    # for, in libs/; libpng and zlib as the release suite has them.
    mkdir -p "$out/libs"
    cp -L "$out/lib/libSDL-1.2.so.0" "$out/lib/libSDL_image-1.2.so.0" "$out/libs/"
    local lib file
    for lib in libpng16.so.16 libz.so.1; do
        file=$(ls "$RPG_SYSROOT"/{usr/,}lib/"$triplet"/$lib 2>/dev/null | head -1 || true)
        [ -n "$file" ] || fail "no $lib in the sysroot"
        cp -L "$file" "$out/libs/$lib"
    done
    rm -rf "$out/lib/cmake" "$out/lib/pkgconfig" "$out/lib"/*.a "$out/bin" "$out/share"

    # The game's build finds both libraries through pkg-config, and only
    # there, with the sysroot's libpng that its tools write PNG files with;
    # the entry and the sysroot beside it, wherever the cache is.
    mkdir -p "$out/lib/pkgconfig"
    cat >"$out/lib/pkgconfig/libpng.pc" <<PC
sysroot=\${pcfiledir}/../../../$(basename "$RPG_SYSROOT")
Name: libpng
Description: libpng16 of the release suite, in the sysroot
Version: 1.6
Libs: -L\${sysroot}/usr/lib/$triplet -lpng16
Cflags: -I\${sysroot}/usr/include/libpng16
PC
    cat >"$out/lib/pkgconfig/sdl.pc" <<PC
prefix=\${pcfiledir}/../..
Name: sdl
Description: sdl12-compat, the SDL 1.2 API over SDL2
Version: $SDL12COMPAT_VERSION
Libs: -L\${prefix}/lib -lSDL-1.2
Cflags: -I\${prefix}/include/SDL -D_GNU_SOURCE=1 -D_REENTRANT
PC
    cat >"$out/lib/pkgconfig/SDL_image.pc" <<PC
prefix=\${pcfiledir}/../..
Name: SDL_image
Description: SDL_image 1.2, PNG only
Version: $SDL_IMAGE_VERSION
Requires: sdl
Libs: -L\${prefix}/lib -lSDL_image-1.2
Cflags: -I\${prefix}/include/SDL
PC

    mkdir -p "$out/licenses"
    cp third_party/sdl12-compat/LICENSE.txt "$out/licenses/sdl12-compat.txt"
    cp third_party/SDL_image/COPYING "$out/licenses/SDL_image.txt"
    cp "$RPG_SYSROOT/usr/share/doc/libpng16-16/copyright" "$out/licenses/libpng.txt"
    cp "$RPG_SYSROOT/usr/share/doc/zlib1g/copyright" "$out/licenses/zlib.txt"
    # The compiler's libstdc++ and libgcc are linked into the game.
    cp "/usr/share/doc/libstdc++-$($compiler -dumpversion)-dev/copyright" "$out/licenses/libstdc++-and-libgcc.txt" ||
        fail "no copyright file of the compiler's libstdc++"
}

cache_build "bundle-$RELEASE_SUITE-$arch" make_bundle third_party/sdl12-compat third_party/SDL_image \
    third_party/SDL_image-build third_party/patches cmake/bullseye.cmake cmake/bullseye-compat.c \
    "cmake/release-$arch.cmake" "text:$(cat "$RPG_SYSROOT/.cache-key")" "text:$($compiler --version | head -1)"
