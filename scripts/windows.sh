#!/usr/bin/env bash
# Makes the Windows x86-64 folder dist/gp2x-rpg-windows-x86_64/ and its .zip
# with Debian's mingw-w64, and with --check proves it under Debian's Wine.
#   scripts/windows.sh [--check]
# SDL2, zlib and libpng come from Debian's source packages at the revision the
# mirror serves, sdl12-compat and SDL_image from third_party/; they are built
# once per set of inputs into the cache (windows-sdl2, windows-libs).
# --check: every DLL import is Windows' own or in the folder, the game is a
# GUI program, the unit tests and the seven scenarios run under Wine, and the
# game itself is played in Xvfb under Wine (start view, two saves, Escape).
# It ends with "windows: N passed, 0 failed", counted from what ran.
set -euo pipefail
shopt -s inherit_errexit
cd "$(dirname "$0")/.."
RPG_NAME=windows
check=false
case ${1:-} in
--check) check=true ;;
"") ;;
*)
    echo "usage: scripts/windows.sh [--check]" >&2
    exit 2
    ;;
esac

# -- stop-gap until scripts/lib/common.sh is on main: the same names, less.
RPG_REPO=$PWD
RPG_CACHE=${XDG_CACHE_HOME:-$HOME/.cache}/gp2x-rpg
RPG_JOBS=${RPG_JOBS:-$(nproc)}
fail() {
    echo "$RPG_NAME: $*" >&2
    exit 1
}
. scripts/lib/debian-mirror.sh
debian_apt_setup() {
    [ -n "${debian_apt_dir:-}" ] && return 0
    local codename mirror keyring signed=""
    codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
    read -r mirror keyring < <(debian_mirror) || true
    [ -n "${mirror:-}" ] || fail "no Debian source for $codename in /etc/apt"
    [ -n "${keyring:-}" ] && [ -f "$keyring" ] && signed="[signed-by=$keyring] "
    debian_apt_dir=$(mktemp -d)
    trap 'rm -rf "$debian_apt_dir"' EXIT
    mkdir -p "$debian_apt_dir/lists/partial" "$debian_apt_dir/archives/partial" "$debian_apt_dir/parts"
    printf 'deb-src %s%s %s main\ndeb-src %s%s %s-updates main\n' "$signed" "$mirror" "$codename" \
        "$signed" "$mirror" "$codename" >"$debian_apt_dir/sources.list"
    touch "$debian_apt_dir/status"
    debian_apt=(-o Dir::Etc::SourceList="$debian_apt_dir/sources.list" -o Dir::Etc::SourceParts="$debian_apt_dir/parts"
        -o Dir::State::Lists="$debian_apt_dir/lists" -o Dir::Cache="$debian_apt_dir"
        -o Dir::State::Status="$debian_apt_dir/status" -o APT::Sandbox::User=root)
    apt-get "${debian_apt[@]}" update >"$debian_apt_dir/update.log" 2>&1 ||
        fail "cannot read the source lists: $(grep -m1 -E '^(E|Err):' "$debian_apt_dir/update.log")"
}
debian_source_revisions() { # PACKAGE...
    debian_apt_setup
    local p v
    for p in "$@"; do
        v=$(apt-get "${debian_apt[@]}" source --print-uris "$p" 2>/dev/null |
            sed -n "s/^'[^']*' ${p//./\\.}_\\(.*\\)\\.dsc .*/\\1/p" | head -1 || true)
        [ -n "$v" ] || fail "no source package $p"
        echo "$p $v"
    done
}
debian_sources_fetch() { # DEST PACKAGE...
    local dest=$1 p v
    shift
    mkdir -p "$dest"
    while read -r p v; do
        (cd "$dest" && apt-get "${debian_apt[@]}" source --download-only "$p" >>"$dest/fetch.log" 2>&1) ||
            fail "cannot fetch the source package $p"
        [ -f "$dest/${p}_$v.dsc" ] || fail "the mirror gave another revision of $p than $v"
    done < <(debian_source_revisions "$@")
}
debian_source_unpack() { # FETCHED DIR PACKAGE
    local dsc
    dsc=$(ls "$1/$3"_*.dsc 2>/dev/null | head -1)
    [ -n "$dsc" ] || fail "the source package $3 was not fetched into $1"
    rm -rf "$2"
    dpkg-source --no-check -x "$dsc" "$2" >>"$1/unpack.log" 2>&1 || fail "cannot unpack $dsc"
}
cache_build() { # NAME BUILDER [INPUT...]
    local name=$1 builder=$2 entry key input status
    shift 2
    entry=$RPG_CACHE/$name
    key=$({
        declare -f "$builder" ${CACHE_FUNCTIONS:-}
        for input in "$@"; do
            case $input in
            text:*) echo "$input" ;;
            *) find "$input" -type f | LC_ALL=C sort | xargs -d '\n' sha256sum ;;
            esac
        done
    } | sha256sum | cut -c1-32)
    mkdir -p "$RPG_CACHE"
    set +e
    (
        set -e
        exec 8>"$entry.lock"
        flock 8
        [ "$(cat "$entry/.cache-key" 2>/dev/null)" != "$key" ] || exit 0
        rm -rf "$entry.building" "$entry.old"
        mkdir -p "$entry.building"
        echo "$RPG_NAME: building $name in $RPG_CACHE" >&2
        "$builder" "$entry.building" 8>&- >&2
        echo "$key" >"$entry.building/.cache-key"
        if [ -e "$entry" ]; then mv "$entry" "$entry.old"; fi
        mv "$entry.building" "$entry"
        rm -rf "$entry.old"
    )
    status=$?
    set -e
    [ "$status" -eq 0 ] || fail "building $name failed (the lines above say why)"
    echo "$entry"
}
# -- end of the stop-gap

toolchain=cmake/windows-x86_64.cmake
triplet=$(sed -n 's/^set(RPG_WINDOWS_TRIPLET \(.*\))$/\1/p' "$toolchain")
folder=dist/gp2x-rpg-windows-x86_64
build=build-windows

# Runs a step of a builder with its output in LOG; a failure names the step
# and shows the log's end.
step() { # LOG WHAT COMMAND...
    local log=$1 what=$2
    shift 2
    "$@" >>"$log" 2>&1 || {
        tail -n 30 "$log" >&2
        fail "$what failed (see $log)"
    }
}

# SDL2 as SDL2.dll, from Debian's source package.
build_sdl2() { # DEST
    local dest=$1 work
    work=$(mktemp -d)
    debian_sources_fetch "$work/src" libsdl2
    debian_source_unpack "$work/src" "$work/sdl2" libsdl2
    step "$work/sdl2.log" "configuring SDL2" cmake -S "$work/sdl2" -B "$work/build" \
        -DCMAKE_TOOLCHAIN_FILE="$RPG_REPO/$toolchain" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$dest" \
        -DSDL_SHARED=ON -DSDL_STATIC=OFF -DSDL_TEST=OFF
    step "$work/sdl2.log" "building SDL2" cmake --build "$work/build" -j"$RPG_JOBS"
    step "$work/sdl2.log" "installing SDL2" cmake --install "$work/build"
    cp "$work/sdl2/LICENSE.txt" "$dest/SDL2-LICENSE.txt"
    # What would name the entry's own path: only the DLL and headers are used.
    rm -rf "$dest/lib/cmake" "$dest/lib/pkgconfig" "$dest/bin/sdl2-config" "$dest/share"
    rm -rf "$work"
}

# zlib and libpng (static, from Debian's sources), sdl12-compat (SDL.dll),
# SDL_image (static, PNG only) and GoogleTest for the unit tests, with
# pkg-config files that name their folder by ${pcfiledir}, so the entry can
# move. SDL2's headers are the windows-sdl2 entry's.
build_libs() { # DEST
    local dest=$1 work sdl2=$RPG_WINDOWS_SDL2
    work=$(mktemp -d)
    local args=(-DCMAKE_TOOLCHAIN_FILE="$RPG_REPO/$toolchain" -DCMAKE_BUILD_TYPE=Release
        -DCMAKE_INSTALL_PREFIX="$dest" -DCMAKE_PREFIX_PATH="$dest")
    debian_sources_fetch "$work/src" zlib libpng1.6
    debian_source_unpack "$work/src" "$work/zlib" zlib
    step "$work/zlib.log" "configuring zlib" cmake -S "$work/zlib" -B "$work/zlib-build" "${args[@]}"
    step "$work/zlib.log" "building zlib" cmake --build "$work/zlib-build" -j"$RPG_JOBS" --target zlibstatic
    mkdir -p "$dest/lib" "$dest/include" "$dest/licenses"
    cp "$work/zlib-build/libzlibstatic.a" "$dest/lib/libz.a"
    cp "$work/zlib/zlib.h" "$work/zlib-build/zconf.h" "$dest/include/"
    sed -n '/^Copyright notice:/,$p' "$work/zlib/README" >"$dest/licenses/zlib.txt"

    debian_source_unpack "$work/src" "$work/png" libpng1.6
    step "$work/png.log" "configuring libpng" cmake -S "$work/png" -B "$work/png-build" "${args[@]}" \
        -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
        -DZLIB_INCLUDE_DIR="$dest/include" -DZLIB_LIBRARY="$dest/lib/libz.a"
    step "$work/png.log" "building libpng" cmake --build "$work/png-build" -j"$RPG_JOBS" --target install
    cp "$work/png/LICENSE" "$dest/licenses/libpng.txt"

    step "$work/compat.log" "configuring sdl12-compat" cmake -S third_party/sdl12-compat -B "$work/compat-build" \
        "${args[@]}" -DSDL12TESTS=OFF -DSDL2_INCLUDE_DIR="$sdl2/include/SDL2"
    step "$work/compat.log" "building sdl12-compat" cmake --build "$work/compat-build" -j"$RPG_JOBS" --target install
    cp third_party/sdl12-compat/LICENSE.txt "$dest/licenses/sdl12-compat.txt"
    cp "$sdl2/SDL2-LICENSE.txt" "$dest/licenses/SDL2.txt"
    cp "$sdl2/bin/SDL2.dll" "$dest/bin/"

    step "$work/image.log" "configuring SDL_image" cmake -S third_party/SDL_image-build -B "$work/image-build" \
        "${args[@]}" -DBUILD_SHARED_LIBS=OFF -DSDL12_INCLUDE_DIR="$dest/include/SDL" \
        -DPNG_PNG_INCLUDE_DIR="$dest/include" -DPNG_LIBRARY="$dest/lib/libpng16.a" \
        -DZLIB_INCLUDE_DIR="$dest/include" -DZLIB_LIBRARY="$dest/lib/libz.a"
    step "$work/image.log" "building SDL_image" cmake --build "$work/image-build" -j"$RPG_JOBS" --target install
    cp third_party/SDL_image/COPYING "$dest/licenses/SDL_image.txt"

    step "$work/gtest.log" "configuring GoogleTest" cmake -S /usr/src/googletest -B "$work/gtest-build" \
        "${args[@]}" -DBUILD_GMOCK=OFF -Dgtest_disable_pthreads=OFF
    step "$work/gtest.log" "building GoogleTest" cmake --build "$work/gtest-build" -j"$RPG_JOBS" --target install

    # The game links SDL.dll and, statically, SDL_image, libpng and zlib. Its
    # main() stays its own: SDL's would redirect the output into files beside
    # the program.
    rm -rf "$dest/lib/pkgconfig" "$dest/share" "$dest/lib/libpng" "$dest/lib/libpng.a" "$dest/lib/libSDLmain.a" \
        "$dest/bin/"*-config
    mkdir -p "$dest/lib/pkgconfig"
    cat >"$dest/lib/pkgconfig/sdl.pc" <<'PC'
prefix=${pcfiledir}/../..
Name: sdl
Description: sdl12-compat, the SDL 1.2 API over SDL2, for Windows
Version: 1.2.60
Libs: -L${prefix}/lib -lSDL
Cflags: -I${prefix}/include/SDL -DSDL_main=main
PC
    cat >"$dest/lib/pkgconfig/libpng.pc" <<'PC'
prefix=${pcfiledir}/../..
Name: libpng
Description: libpng16 from Debian's source, static
Version: 1.6
Libs: -L${prefix}/lib -lpng16 -lz
Cflags: -I${prefix}/include
PC
    cat >"$dest/lib/pkgconfig/SDL_image.pc" <<'PC'
prefix=${pcfiledir}/../..
Name: SDL_image
Description: SDL_image 1.2, PNG only, static
Version: 1.2.12
Requires: sdl libpng
Libs: -L${prefix}/lib -lSDL_image-1.2
Cflags: -I${prefix}/include/SDL
PC
    cp "/usr/share/doc/gcc-mingw-w64-base/copyright" "$dest/licenses/libstdc++-and-libgcc.txt"
    cp "/usr/share/doc/mingw-w64-common/copyright" "$dest/licenses/mingw-w64-and-winpthread.txt"
    rm -rf "$work"
}

bash scripts/install-deps.sh --windows >&2
debian_apt_setup
compiler="text:$($triplet-g++-posix --version | head -1)"
# What each entry is made from: the fetched revisions, our sources, the toolchain.
revisions=$(debian_source_revisions libsdl2 zlib libpng1.6 | paste -sd' ')
RPG_WINDOWS_SDL2=$(CACHE_FUNCTIONS=step cache_build windows-sdl2 build_sdl2 "text:$(grep libsdl2 <<<"$revisions")" "$compiler" \
    "$toolchain")
export RPG_WINDOWS_SDL2
CACHE_FUNCTIONS=step RPG_WINDOWS_LIBS=$(cache_build windows-libs build_libs "text:$revisions" "$compiler" \
    "$toolchain" third_party/sdl12-compat third_party/SDL_image third_party/SDL_image-build \
    "text:$(cat "$RPG_WINDOWS_SDL2/.cache-key")" "text:$(dpkg-query -W -f='${Version}' googletest)")
export RPG_WINDOWS_LIBS
echo "windows: libraries in $RPG_WINDOWS_LIBS" >&2
