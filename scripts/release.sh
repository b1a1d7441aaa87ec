#!/usr/bin/env bash
# Makes the release folders in dist/, one per processor: x86_64 for desktops,
# aarch64 and armhf for the Linux handhelds. Each is built in a Debian 11
# sysroot (glibc 2.31) with libstdc++ linked in, brings sdl12-compat,
# SDL_image, libpng and zlib, and is laid out as a handheld port: the
# launcher "GP2X RPG.sh" beside the folder gp2x-rpg/ (the stripped game,
# Media/, libs.ARCH/, licenses/, README.md, screenshot.png, port.json).
#   scripts/release.sh [--check] [x86_64 | aarch64 | armhf ...]   (default all)
# --check reads every ELF file of each folder (scripts/check-elf.sh), runs the
# unit tests and the scenarios against the bundled libraries over Debian 11's
# glibc and SDL2 (the runtime root, in qemu for ARM), and starts the launcher
# from another folder, through a path with spaces, with no port framework,
# SDL's dummy driver and a preloaded library that presses START, A and L: the
# game must load nothing from outside the runtime root and its folder and
# save beside itself a game that holds the map it read from its own Media/.
set -euo pipefail
shopt -s inherit_errexit
. "$(dirname "$0")/lib/common.sh"
RPG_NAME=release
cd "$RPG_REPO"
check=false
if [ "${1:-}" = "--check" ]; then
    check=true
    shift
fi
targets=${*:-x86_64 aarch64 armhf}
launcher="GP2X RPG.sh"

debian_arch() { sed -n 's/^set(RPG_DEBIAN_ARCH \(.*\))$/\1/p' "cmake/release-$1.cmake"; }
triplet() { sed -n 's/^set(RPG_RELEASE_TRIPLET \(.*\))$/\1/p' "cmake/release-$1.cmake"; }
strip_tool() {
    if [ "$1" = x86_64 ]; then echo strip; else echo "$(triplet "$1")-strip"; fi
}

# Builds a target in build-release-ARCH (with its tests for --check).
build_target() {
    RPG_BUNDLE=$(bash scripts/bundle.sh "$1")
    RPG_SYSROOT=$(bash scripts/sysroot.sh "$(debian_arch "$1")" "$RELEASE_SUITE")
    export RPG_BUNDLE RPG_SYSROOT
    cmake -S . -B "build-release-$1" -DCMAKE_TOOLCHAIN_FILE="cmake/release-$1.cmake" \
        -DRPG_WERROR=ON -DRPG_CXX98=ON >/dev/null
    if $check; then
        cmake --build "build-release-$1" -j"$RPG_JOBS" >&2
    else
        cmake --build "build-release-$1" -j"$RPG_JOBS" --target gp2x-rpg media >&2
    fi
}

# The README's picture: the start screen through the snapshot tool, twice
# the size with sharp pixels. The native build's replay tool, made here too,
# reads the saves the launchers' check leaves (a save is the same text on
# every target).
screenshot() { # OUT
    cmake -S . -B build >/dev/null
    cmake --build build -j"$RPG_JOBS" --target snapshot media replay >&2
    (cd build && SDL_VIDEODRIVER=dummy tools/snapshot "$1.small.png") >&2
    convert "$1.small.png" -filter point -resize 200% "$1"
    rm -f "$1.small.png"
}

port_json() { # ARCH
    cat <<JSON
{
  "version": 1,
  "name": "gp2x-rpg",
  "items": ["$launcher", "gp2x-rpg"],
  "attr": {
    "title": "gp2x-rpg",
    "desc": "A small top-down role-playing game first made for the GP2X handheld.",
    "inst": "Ready to run: copy both items into the ports folder.",
    "genres": ["rpg"],
    "rtr": true,
    "arch": ["$1"],
    "min_glibc": "$GLIBC_FLOOR",
    "reqs": ["SDL2 $SDL2_FLOOR or newer"]
  }
}
JSON
}

make_folder() { # TARGET
    local target=$1 build=build-release-$1 out=dist/gp2x-rpg-$1 bundle
    local game=$out/gp2x-rpg
    bundle=$(bash scripts/bundle.sh "$target")
    rm -rf "$out"
    mkdir -p "$game/libs.$target"
    "$(strip_tool "$target")" -o "$game/gp2x-rpg" "$build/gp2x-rpg"
    cp -r "$build/Media" "$bundle/licenses" "$game/"
    for lib in "$bundle"/libs/*; do
        "$(strip_tool "$target")" --strip-unneeded -o "$game/libs.$target/${lib##*/}" "$lib"
    done
    cp scripts/release/README.md "$game/"
    cp "$shots/screenshot.png" "$game/"
    port_json "$target" >"$game/port.json"
    cp "scripts/release/$launcher" "$out/"
    printf '%s: %s, game %s bytes (%s before stripping), folder %s bytes\n' "$target" "$out" \
        "$(stat -c %s "$game/gp2x-rpg")" "$(stat -c %s "$build/gp2x-rpg")" "$(du -sb "$out" | cut -f1)"
}

# Starts the launcher of TARGET's folder from another folder over the runtime
# root, through the root's loader or qemu, which $RPG_EMULATOR puts before
# the game; the save must appear in the game's folder and hold the object
# and overhead layers of its Media/map.dat.
check_launcher() { # TARGET
    local target=$1 work runtime
    work=$(mktemp -d)
    runtime=$(bash scripts/sysroot.sh --runtime "$(debian_arch "$target")" "$RELEASE_SUITE")
    mkdir -p "$work/a folder with spaces" "$work/elsewhere" "$work/shim" "$work/no framework"
    cp -r "dist/gp2x-rpg-$target" "$work/a folder with spaces/"
    cp "build-release-$target/tests/libsave_and_quit.so" "$work/shim/"
    local port="$work/a folder with spaces/gp2x-rpg-$target"
    local game="$port/gp2x-rpg"
    local save="$game/gamesave.dat" status=0 shim=$work/shim/libsave_and_quit.so emulator
    # The loader's trace of what it loads goes with the game's output to log.txt.
    if [ "$target" = x86_64 ]; then
        # The root's loader, with the root's library folders after the
        # launcher's library path, as the system's own folders would be.
        emulator=$work/shim/run-in-root
        cat >"$emulator" <<RUN
#!/bin/sh
LD_PRELOAD=$shim LD_DEBUG=libs exec "$runtime/lib64/ld-linux-x86-64.so.2" \\
    --library-path "\$LD_LIBRARY_PATH$(sed "s|^|:$runtime|" "$runtime/.library-path" | tr -d '\n')" "\$@"
RUN
        chmod +x "$emulator"
    else
        emulator="$(sed -n 's/^set(RPG_RELEASE_QEMU \(.*\))$/\1/p' "cmake/release-$target.cmake") -L $runtime"
        emulator="$emulator -E LD_PRELOAD=$shim -E LD_DEBUG=libs"
    fi
    (cd "$work/elsewhere" && env RPG_EMULATOR="$emulator" XDG_DATA_HOME="$work/no framework" \
        SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy timeout 120 "$port/$launcher" >"$work/log" 2>&1) || status=$?
    local why="" loaded outside
    # Every library the loader started, by the path it found it at.
    loaded=$(sed -n 's/.*calling init: //p' "$game/log.txt" 2>/dev/null | sort -u)
    outside=$(while IFS= read -r lib; do
        [ -n "$lib" ] || continue
        case $lib in "$game"/* | "$runtime"/* | "$shim") continue ;; esac
        [ "$target" != x86_64 ] && [ -e "$runtime$lib" ] && continue
        echo "$lib"
    done <<<"$loaded")
    if [ $status -ne 0 ]; then
        why="the game ended with status $status: $(cat "$work/log"; tail -c 300 "$game/log.txt" 2>/dev/null)"
    elif [ -z "$loaded" ]; then
        why="no loader trace in log.txt"
    elif [ -n "$outside" ]; then
        why="loaded from outside the runtime root and the folder: ${outside//$'\n'/ }"
    elif grep -q 'libstdc++' <<<"$loaded"; then
        why="loaded libstdc++"
    elif [ ! -f "$save" ]; then
        why="no gamesave.dat in the game's folder"
    elif [ -n "$(ls "$work/elsewhere")" ]; then
        why="the game wrote into the folder it was started from"
    elif [ "$(build/replay --position "$save")" != "$(build/replay --start)" ]; then
        why="the save does not hold the start position"
    elif ! build/replay --same-map "$save" "$game/Media/map.dat"; then
        why="the save's map is not the one in its Media/map.dat"
    fi
    rm -rf "$work"
    if [ -n "$why" ]; then
        echo "launcher $target: FAILED: $why" >&2
        return 1
    fi
    echo "launcher $target: started from another folder over Debian 11's glibc and SDL2 with no framework;" \
        "loaded $(wc -l <<<"$loaded") libraries, each from the root or the folder, none of them libstdc++;" \
        "saved in the game's folder the map of its Media/"
}

bash scripts/install-deps.sh --cross >&2
# The targets' sysroots are made side by side: mostly downloads.
pids=()
for target in $targets; do
    [ -f "cmake/release-$target.cmake" ] || fail "unknown target $target (x86_64, aarch64 or armhf)"
    bash scripts/sysroot.sh "$(debian_arch "$target")" "$RELEASE_SUITE" >/dev/null &
    pids+=($!)
done
for pid in "${pids[@]}"; do
    wait "$pid" || fail "a sysroot could not be made (its line above says why)"
done

shots=$(mktemp -d)
rpg_on_exit "rm -rf '$shots'"
screenshot "$shots/screenshot.png"
passed=0 failed=0
for target in $targets; do
    build_target "$target"
    make_folder "$target"
    if $check; then
        bash scripts/check-elf.sh --glibc "$GLIBC_FLOOR" "dist/gp2x-rpg-$target"
        echo "== $target: the unit tests and the scenarios over Debian 11's SDL2 with the bundled libraries"
        run_ctest "build-release-$target" "release-$target"
        if check_launcher "$target"; then
            passed=$((passed + 1))
        else
            failed=$((failed + 1))
        fi
    fi
done
if $check; then
    echo "launchers: $passed passed, $failed failed"
    count_results launchers $passed $failed
    [ $failed -eq 0 ]
fi
