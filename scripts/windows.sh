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
. "$(dirname "$0")/lib/common.sh"
cd "$RPG_REPO"
check=false
case ${1:-} in
--check) check=true ;;
"") ;;
*)
    echo "usage: scripts/windows.sh [--check]" >&2
    exit 2
    ;;
esac

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
    debian_sources_fetch "$work/src" "$DEBIAN_SDL2_SOURCE"
    debian_source_unpack "$work/src" "$work/sdl2" "$DEBIAN_SDL2_SOURCE"
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
    debian_sources_fetch "$work/src" "$DEBIAN_ZLIB_SOURCE" "$DEBIAN_PNG_SOURCE"
    debian_source_unpack "$work/src" "$work/zlib" "$DEBIAN_ZLIB_SOURCE"
    step "$work/zlib.log" "configuring zlib" cmake -S "$work/zlib" -B "$work/zlib-build" "${args[@]}"
    step "$work/zlib.log" "building zlib" cmake --build "$work/zlib-build" -j"$RPG_JOBS" --target zlibstatic
    mkdir -p "$dest/lib" "$dest/include" "$dest/licenses"
    cp "$work/zlib-build/libzlibstatic.a" "$dest/lib/libz.a"
    cp "$work/zlib/zlib.h" "$work/zlib-build/zconf.h" "$dest/include/"
    sed -n '/^Copyright notice:/,$p' "$work/zlib/README" >"$dest/licenses/zlib.txt"

    debian_source_unpack "$work/src" "$work/png" "$DEBIAN_PNG_SOURCE"
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

    # The game links SDL.dll and, statically, SDL_image, libpng and zlib.
    # SDL.h renames main() on Windows for SDLmain's WinMain, which would send
    # the programs' output into files beside them: SDL_main=main keeps each
    # program's main() its own.
    rm -rf "$dest/lib/pkgconfig" "$dest/share" "$dest/lib/libpng" "$dest/lib/libpng.a" "$dest/lib/libSDLmain.a" \
        "$dest/bin/"*-config
    mkdir -p "$dest/lib/pkgconfig"
    cat >"$dest/lib/pkgconfig/sdl.pc" <<'PC'
prefix=${pcfiledir}/../..
Name: sdl
Description: sdl12-compat, the SDL 1.2 API over SDL2, for Windows
Version: @SDL12COMPAT_VERSION@
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
Version: @SDL_IMAGE_VERSION@
Requires: sdl libpng
Libs: -L${prefix}/lib -lSDL_image-1.2
Cflags: -I${prefix}/include/SDL
PC
    sed -i "s/@SDL12COMPAT_VERSION@/$SDL12COMPAT_VERSION/; s/@SDL_IMAGE_VERSION@/$SDL_IMAGE_VERSION/" \
        "$dest/lib/pkgconfig/"*.pc
    cp "/usr/share/doc/gcc-mingw-w64-base/copyright" "$dest/licenses/libstdc++-and-libgcc.txt"
    cp "/usr/share/doc/mingw-w64-common/copyright" "$dest/licenses/mingw-w64-and-winpthread.txt"
    rm -rf "$work"
}

bash scripts/install-deps.sh --windows >&2
debian_apt_setup
compiler="text:$($triplet-g++-posix --version | head -1)"
# What each entry is made from: the revisions the mirror serves, our
# sources, the toolchain, the compiler.
sdl2_revision=$(debian_source_revisions "$DEBIAN_SDL2_SOURCE")
lib_revisions=$(debian_source_revisions "$DEBIAN_ZLIB_SOURCE" "$DEBIAN_PNG_SOURCE" | paste -sd' ')
RPG_WINDOWS_SDL2=$(CACHE_FUNCTIONS=step cache_build windows-sdl2 build_sdl2 "text:$sdl2_revision" "$compiler" \
    "$toolchain")
export RPG_WINDOWS_SDL2
RPG_WINDOWS_LIBS=$(CACHE_FUNCTIONS=step cache_build windows-libs build_libs "text:$lib_revisions" "$compiler" \
    "$toolchain" third_party/sdl12-compat third_party/SDL_image third_party/SDL_image-build \
    "text:$(cat "$RPG_WINDOWS_SDL2/.cache-key")" "text:googletest $(dpkg-query -W -f='${Version}' googletest)" \
    "text:$SDL12COMPAT_VERSION $SDL_IMAGE_VERSION")
export RPG_WINDOWS_LIBS

# Wine in a fresh prefix of the build folder: nothing of an earlier run or
# of the machine's own prefix takes part. Mono and Gecko are not installed.
export WINEPREFIX=$RPG_REPO/$build/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
rm -rf "$WINEPREFIX"
mkdir -p "$build"
wineboot --init >"$build/wineboot.log" 2>&1 || fail "Wine could not make its prefix (see $build/wineboot.log)"

echo "== windows: the game, its tools and tests, cross-built with mingw-w64; make-media runs under Wine" >&2
# Configured afresh: the toolchain file's settings are kept in the cache.
rm -f "$build/CMakeCache.txt"
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DRPG_WERROR=ON -DRPG_CXX98=ON >/dev/null
if $check; then
    cmake --build "$build" -j"$RPG_JOBS" >&2
else
    cmake --build "$build" -j"$RPG_JOBS" --target gp2x-rpg media >&2
fi

# The folder: the stripped game, the two DLLs, Media/, the licences and the
# README with the controls of the README's table.
rm -rf "$folder" "$folder.zip"
mkdir -p "$folder"
"$triplet-strip" -o "$folder/gp2x-rpg.exe" "$build/gp2x-rpg.exe"
for dll in SDL.dll SDL2.dll; do
    "$triplet-strip" --strip-unneeded -o "$folder/$dll" "$RPG_WINDOWS_LIBS/bin/$dll"
done
cp -r "$build/Media" "$RPG_WINDOWS_LIBS/licenses" "$folder/"
rm -f "$folder"/Media/*.stamp
controls=$(sed -n '/^## Controls/,/^## /p' README.md | grep '^|')
[ -n "$controls" ] || fail "no controls table in README.md"
awk -v table="$controls" '/^<!-- controls -->$/ { print table; next } { print }' scripts/windows/README.md |
    sed 's/$/\r/' >"$folder/README.txt"
(cd dist && zip -qr -X "${folder##*/}.zip" "${folder##*/}")
printf 'windows: %s, game %s bytes, folder %s bytes, %s.zip %s bytes\n' "$folder" \
    "$(stat -c %s "$folder/gp2x-rpg.exe")" "$(du -sb "$folder" | cut -f1)" "$folder" "$(stat -c %s "$folder.zip")"
$check || exit 0

passed=0 failed=0
# A check that ran: its line, and its count.
verdict() { # OK WHAT
    if [ "$1" = yes ]; then
        passed=$((passed + 1))
        echo "windows: passed: $2"
    else
        failed=$((failed + 1))
        echo "windows: FAILED: $2" >&2
    fi
}

echo "== windows: the folder's programs and DLLs"
# Windows' own DLLs that the folder may import; each is in Wine's system32 too.
system_dlls="advapi32 gdi32 imm32 kernel32 msvcrt ole32 oleaut32 setupapi shell32 user32 version winmm"
for file in "$folder"/*.exe "$folder"/*.dll; do
    name=${file##*/} foreign=""
    for dll in $("$triplet-objdump" -p "$file" | sed -n 's/^\tDLL Name: //p' | tr 'A-Z' 'a-z'); do
        [ -n "$(find "$folder" -maxdepth 1 -iname "$dll")" ] && continue
        if [[ " $system_dlls " == *" ${dll%.dll} "* ]] && [ -f "$WINEPREFIX/drive_c/windows/system32/$dll" ]; then
            continue
        fi
        foreign="$foreign $dll"
    done
    verdict "$([ -z "$foreign" ] && echo yes)" "$name imports only Windows' own DLLs and the folder's${foreign:+ (not:$foreign)}"
done
subsystem=$("$triplet-objdump" -p "$folder/gp2x-rpg.exe" | sed -n 's/^Subsystem[[:space:]]*//p')
verdict "$([[ $subsystem == *"Windows GUI"* ]] && echo yes)" "gp2x-rpg.exe is a GUI program ($subsystem)"
version=$(sed -n '1s/^gp2x-rpg (\([^)]*\)).*/\1/p' packaging/changelog)
verdict "$(strings -e l "$folder/gp2x-rpg.exe" | grep -qx "$version" && echo yes)" \
    "gp2x-rpg.exe carries its version, $version"
# Each picture of the icon file that make-icons' images became is in the
# game's resources as it is.
hex() { od -An -v -tx1 "$@" | tr -d ' \n'; }
ico=$build/packaging/gp2x-rpg.ico game_hex=$(hex "$folder/gp2x-rpg.exe")
pictures=$(od -An -tu2 -j4 -N2 "$ico" | tr -d ' ') carried=0
for i in $(seq 0 $((pictures - 1))); do
    read -r size offset < <(od -An -tu4 -j$((6 + 16 * i + 8)) -N8 "$ico")
    [[ $game_hex == *"$(hex -j"$offset" -N"$size" "$ico")"* ]] && carried=$((carried + 1))
done
verdict "$([ "$pictures" -gt 0 ] && [ "$carried" = "$pictures" ] && echo yes)" \
    "gp2x-rpg.exe carries the game's icon, $carried of its $pictures sizes"

echo "== windows: the unit tests and the scenarios under Wine"
status=0
(cd "$build" && ctest --output-on-failure -j"$RPG_JOBS" --output-junit "$RPG_REPO/$build/ctest.xml") || status=$?
[ -z "${RPG_RESULTS:-}" ] || cp "$build/ctest.xml" "$RPG_RESULTS/windows.xml"
ran=$(grep -c '<testcase .*status="run"' "$build/ctest.xml" || true)
broke=$(grep -c '<testcase .*status="fail"' "$build/ctest.xml" || true)
[ "$status" -eq 0 ] || [ "$broke" -gt 0 ] || broke=1
echo "windows: ctest ran $ran tests under Wine, $broke failed"
# What was skipped, with the reason each one printed.
awk '/<testcase .*status="notrun"/ { sub(/.*<testcase name="/, ""); sub(/".*/, ""); name = $0; want = 1; next }
    want && /<system-out>/ { sub(/.*<system-out>/, ""); print "windows: skipped " name ": " $0; want = 0 }' \
    "$build/ctest.xml"
leftovers=$(find "$WINEPREFIX"/drive_c/users/*/Temp -mindepth 1 -maxdepth 1 | sed 's|.*/||' | paste -sd' ')
verdict "$([ -z "$leftovers" ] && echo yes)" \
    "the tests and the replay tool left nothing in Windows' folder for temporary files${leftovers:+ (left: $leftovers)}"

echo "== windows: the game under Wine in Xvfb"
# The native replay tool gives the start frame and reads the saves.
cmake -S . -B build >/dev/null
cmake --build build -j"$RPG_JOBS" --target replay media >&2
play=$(mktemp -d)
rpg_on_exit "rm -rf '$play'"
mkdir -p "$play/elsewhere"
printf 'seed 1\nend 2\n' >"$play/start.replay"
(cd build && ./replay --shot 1:"$play/start-frame.png" "$play/start.replay" >/dev/null)
# The game must meet a new Wine server that sees the X display: the one the
# build and the tests started knows no display, and its desktop would draw
# nowhere. It ends on its own a moment after its last program.
timeout 60 wineserver --wait || fail "Wine's server of $WINEPREFIX did not end within 60 s"
xvfb_start 640x480x24
scale=$(($(xdpyinfo | sed -n 's/.*dimensions: *\([0-9]*\)x.*/\1/p') / 320))
# Pictures are compared in the game's 16-bit colours: Wine's SDL2 widens
# them to the screen's 24 bits by rounding, the replay tool's PNG by repeating
# their top bits.
# ImageMagick's channels have QuantumRange + 1 steps: the masks keep their
# top 5 bits of red and blue and 6 of green.
steps=$(($(convert xc: -format '%[fx:QuantumRange]' info:) + 1))
in_game_colours() { # IN OUT [OPTIONS...]
    convert "$1" "${@:3}" -channel R,B -evaluate And $((steps - steps / 32)) \
        -channel G -evaluate And $((steps - steps / 64)) +channel "$2"
}
in_game_colours "$play/start-frame.png" "$play/start-view.png" -sample "$((scale * 100))%"
appdata=$(find "$WINEPREFIX/drive_c/users" -maxdepth 3 -type d -path '*/AppData/Roaming' | head -1)
[ -n "$appdata" ] || fail "the Wine prefix has no AppData/Roaming"
save=$appdata/gp2x-rpg/gamesave.dat
before=$(cd "$folder" && find . | sort)

# Waits until CONDITION... holds, 60 s at most; fails naming WHAT, and what
# the game said when it ended meanwhile.
wait_for() { # WHAT CONDITION...
    local what=$1 end=$((SECONDS + 60))
    shift
    until "$@"; do
        if ! kill -0 "$game" 2>/dev/null; then
            "$@" && return 0
            verdict no "the game ended while waiting for $what: $(tail -c 300 "$play/game.log")"
            return 1
        fi
        if [ "$SECONDS" -ge "$end" ]; then
            cp "$play/screen.png" "$build/screen-failed.png" 2>/dev/null || true
            verdict no "waited 60 s for $what (the screen was then $build/screen-failed.png)"
            return 1
        fi
        sleep 0.1
    done
}
# Holds KEY down until CONDITION... holds, so the game takes it in a frame.
press() { # KEY WHAT CONDITION...
    local key=$1
    shift
    xdotool keydown "$key"
    wait_for "$@" || return 1
    xdotool keyup "$key"
}
screen_is() { # PNG: the whole screen, pixel for pixel
    import -window root "$play/screen.png" 2>/dev/null &&
        in_game_colours "$play/screen.png" "$play/screen16.png" &&
        compare -metric AE "$play/screen16.png" "$1" null: 2>/dev/null
}
screen_is_not() { ! screen_is "$1"; }
keyboard_to_game() {
    local window
    window=$(xdotool search --name '^gp2x-rpg$' 2>/dev/null | head -1) || true
    [ -n "$window" ] || return 1
    xdotool windowfocus "$window" 2>/dev/null || true
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$window" ]
}
stamp() { stat -c '%i %y' "$save" 2>/dev/null; }
saved_since() { [ -f "$save" ] && [ "$(stamp)" != "$1" ]; }
save_holds_the_start() { # WHICH
    local at
    at=$(build/replay --position "$save")
    verdict "$([ "$at" = "$(build/replay --start)" ] && echo yes)" \
        "$1 save holds the start position as the native replay tool reads it ($at)"
    verdict "$(build/replay --same-map "$save" "$folder/Media/map.dat" && echo yes)" \
        "$1 save holds the whole map of the folder's Media/map.dat"
}

play_game() {
    (cd "$play/elsewhere" && exec wine "$RPG_REPO/$folder/gp2x-rpg.exe") >"$play/game.log" 2>&1 &
    game=$!
    wait_for "the start view, the native start frame at ${scale}x" screen_is "$play/start-view.png" || return 1
    verdict yes "the start view is the native start frame scaled ${scale}x with sharp pixels, pixel for pixel"
    # No window manager gives the game the keyboard: it is given here.
    wait_for "the keyboard to go to the game's window" keyboard_to_game || return 1
    press Return "the menu after START" screen_is_not "$play/start-view.png" || return 1
    cp "$play/screen.png" "$build/screen-menu.png"
    press space "gamesave.dat after A" saved_since "" || return 1
    verdict yes "START then A saved in %APPDATA%\\gp2x-rpg"
    save_holds_the_start "the first"
    local first
    first=$(stamp)
    wait_for "the menu to close after the save" screen_is "$play/start-view.png" || return 1
    press Return "the menu after START" screen_is_not "$play/start-view.png" || return 1
    press space "a second save" saved_since "$first" || return 1
    verdict "$([ ! -e "$save.tmp" ] && echo yes)" "a second save replaced the first, and no temporary file stayed"
    save_holds_the_start "the second"
    verdict "$([ "$(cd "$folder" && find . | sort)" = "$before" ] && [ -z "$(ls -A "$play/elsewhere")" ] && echo yes)" \
        "the game wrote nothing into its folder or the folder it was started from"
    xdotool keydown Escape
    local end=$((SECONDS + 60))
    while kill -0 "$game" 2>/dev/null && [ "$SECONDS" -lt "$end" ]; do sleep 0.1; done
    xdotool keyup Escape
    local status=0
    if kill -0 "$game" 2>/dev/null; then
        kill "$game"
        verdict no "the game was still running 60 s after Escape"
        return 1
    fi
    wait "$game" || status=$?
    verdict "$([ "$status" -eq 0 ] && echo yes)" "Escape ended the game with status $status"
}
play_game || kill "$game" 2>/dev/null || true

count_results windows "$passed" "$failed"
echo "windows: $((passed + ran)) passed, $((failed + broke)) failed"
[ $((failed + broke)) -eq 0 ]
