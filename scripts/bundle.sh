#!/usr/bin/env bash
# Builds the libraries a release folder brings along, for x86_64, aarch64 or
# armhf against the target's Debian 11 sysroot: sdl12-compat (libSDL-1.2,
# which loads the system's SDL2 at run time) and a PNG-only SDL_image from
# third_party/, with libpng16 and zlib from the sysroot, and their licences.
#   scripts/bundle.sh ARCH     (prints the bundle's folder on stdout)
# libs/ holds what a folder copies, lib/ and include/ what the game's build
# links against. Kept in ${XDG_CACHE_HOME:-~/.cache}/gp2x-rpg/bundle-bullseye-ARCH and reused
# while its stamp holds the same checksum of the sources and the build.
set -euo pipefail
cd "$(dirname "$0")/.."
arch=${1:?usage: bundle.sh x86_64|aarch64|armhf}
toolchain=$PWD/cmake/release-$arch.cmake
fail() {
    echo "bundle $arch: $*" >&2
    exit 1
}
[ -f "$toolchain" ] || fail "no toolchain file cmake/release-$arch.cmake"
debian_arch=$(sed -n 's/^set(RPG_DEBIAN_ARCH \(.*\))$/\1/p' "$toolchain")
triplet=$(sed -n 's/^set(RPG_RELEASE_TRIPLET \(.*\))$/\1/p' "$toolchain")
RPG_SYSROOT=$(bash scripts/sysroot.sh "$debian_arch" bullseye)
export RPG_SYSROOT
cache=${XDG_CACHE_HOME:-$HOME/.cache}/gp2x-rpg
out=$cache/bundle-bullseye-$arch
stamp=$out/.bundle-sources

# What the bundle is made from: the vendored sources, our patches, this
# script, the toolchain files and the sysroot's package list, named by their
# place in the checkout, so every clone of the same sources shares the bundle.
key=$({
    find third_party/sdl12-compat third_party/SDL_image third_party/SDL_image-build third_party/patches \
        -type f 2>/dev/null | LC_ALL=C sort | xargs sha256sum
    sha256sum scripts/bundle.sh cmake/bullseye.cmake "cmake/release-$arch.cmake"
    sha256sum <"$RPG_SYSROOT/.sysroot-packages"
} | sha256sum | cut -d' ' -f1)
# One build at a time: two checkouts testing at once share the cache.
mkdir -p "$cache"
exec 9>"$out.lock"
flock 9
if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$key" ]; then
    echo "$out"
    exit 0
fi

echo "bundle $arch: building sdl12-compat and SDL_image in $out" >&2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
rm -rf "$out"
log=$out.log
: >"$log"
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
cmake_args=(-DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$out"
    -DCMAKE_INSTALL_LIBDIR=lib)
step "configuring sdl12-compat" cmake -S "$work/sdl12-compat" -B "$work/build-sdl" "${cmake_args[@]}" \
    -DSDL12TESTS=OFF -DSDL2_INCLUDE_DIR="$RPG_SYSROOT/usr/include/SDL2"
step "building sdl12-compat" cmake --build "$work/build-sdl" -j2 --target install
step "configuring SDL_image" cmake -S "$work/SDL_image-build" -B "$work/build-image" "${cmake_args[@]}" \
    -DSDL12_INCLUDE_DIR="$out/include/SDL" -DSDL12_LIBRARY="$out/lib/libSDL-1.2.so.0"
step "building SDL_image" cmake --build "$work/build-image" -j2 --target install

# What a folder brings: each library once, under the name the loader asks
# for, in libs/; libpng and zlib as Debian 11 has them.
mkdir -p "$out/libs"
cp -L "$out/lib/libSDL-1.2.so.0" "$out/lib/libSDL_image-1.2.so.0" "$out/libs/"
for lib in libpng16.so.16 libz.so.1; do
    file=$(ls "$RPG_SYSROOT"/{usr/,}lib/"$triplet"/$lib 2>/dev/null | head -1 || true)
    [ -n "$file" ] || fail "no $lib in the sysroot"
    cp -L "$file" "$out/libs/$lib"
done
rm -rf "$out/lib/cmake" "$out/lib/pkgconfig" "$out/lib"/*.a "$out/bin" "$out/share"

# The game's build finds both libraries through pkg-config, and only there,
# with the sysroot's libpng that its tools write PNG files with.
mkdir -p "$out/lib/pkgconfig"
cat >"$out/lib/pkgconfig/libpng.pc" <<PC
Name: libpng
Description: Debian 11's libpng16 in the sysroot
Version: 1.6
Libs: -L$RPG_SYSROOT/usr/lib/$triplet -lpng16
Cflags: -I$RPG_SYSROOT/usr/include/libpng16
PC
cat >"$out/lib/pkgconfig/sdl.pc" <<PC
Name: sdl
Description: sdl12-compat, the SDL 1.2 API over SDL2
Version: 1.2.60
Libs: -L$out/lib -lSDL-1.2
Cflags: -I$out/include/SDL -D_GNU_SOURCE=1 -D_REENTRANT
PC
cat >"$out/lib/pkgconfig/SDL_image.pc" <<PC
Name: SDL_image
Description: SDL_image 1.2, PNG only
Version: 1.2.12
Requires: sdl
Libs: -L$out/lib -lSDL_image-1.2
Cflags: -I$out/include/SDL
PC

mkdir -p "$out/licenses"
cp third_party/sdl12-compat/LICENSE.txt "$out/licenses/sdl12-compat.txt"
cp third_party/SDL_image/COPYING "$out/licenses/SDL_image.txt"
cp "$RPG_SYSROOT/usr/share/doc/libpng16-16/copyright" "$out/licenses/libpng.txt"
cp "$RPG_SYSROOT/usr/share/doc/zlib1g/copyright" "$out/licenses/zlib.txt"
# The compiler's libstdc++ and libgcc are linked into the game.
compiler=g++
[ "$triplet" != x86_64-linux-gnu ] && compiler=$triplet-g++
cp "/usr/share/doc/libstdc++-$($compiler -dumpversion)-dev/copyright" "$out/licenses/libstdc++-and-libgcc.txt" ||
    fail "no copyright file of the compiler's libstdc++"
echo "$key" >"$stamp"
echo "$out"
