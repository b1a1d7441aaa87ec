#!/usr/bin/env bash
# Makes a folder to copy onto a device for each target, in dist/: the game
# (stripped), Media/, README.txt with the controls and the launchers, the
# .gpe the console's menu starts and a .sh for desktops and handhelds.
#   scripts/release.sh [--check] [x86_64 | armel | arm64 ...]   (default all)
# --check starts each launcher from another folder, through a path with
# spaces, with SDL's dummy driver and a preloaded library that presses START,
# A and L (qemu runs the ARM ones): the game must save beside its launcher
# a game that holds the map it read from its own Media/.
set -euo pipefail
shopt -s inherit_errexit
cd "$(dirname "$0")/.."
check=false
if [ "${1:-}" = "--check" ]; then
    check=true
    shift
fi
targets=${*:-x86_64 armel arm64}

fail() {
    echo "release: $*" >&2
    exit 1
}

# Builds a target and prints its build folder.
build_target() {
    case $1 in
    x86_64)
        bash scripts/install-deps.sh --tests >&2
        cmake -S . -B build >/dev/null
        cmake --build build -j"$(nproc)" --target gp2x-rpg media save_and_quit >&2
        echo build
        ;;
    armel | arm64)
        bash scripts/cross.sh "$1" --no-tests >&2
        echo "build-$1"
        ;;
    *) fail "unknown target $1 (x86_64, armel or arm64)" ;;
    esac
}

strip_tool() {
    case $1 in
    x86_64) echo strip ;;
    armel) echo arm-linux-gnueabi-strip ;;
    arm64) echo aarch64-linux-gnu-strip ;;
    esac
}

emulator() {
    case $1 in
    armel) echo "qemu-arm-static -L $(bash scripts/sysroot.sh armel)" ;;
    arm64) echo "qemu-aarch64-static -L $(bash scripts/sysroot.sh arm64)" ;;
    esac
}

make_folder() { # TARGET BUILD
    local target=$1 build=$2 out=dist/gp2x-rpg-$1
    rm -rf "$out"
    mkdir -p "$out"
    "$(strip_tool "$target")" -o "$out/gp2x-rpg" "$build/gp2x-rpg"
    cp -r "$build/Media" "$out/"
    cp scripts/release/README.txt scripts/release/gp2x-rpg.sh "$out/"
    [ "$target" = armel ] && cp scripts/release/gp2x-rpg.gpe "$out/"
    printf '%s: %s, game %s bytes (%s before stripping)\n' "$target" "$out" \
        "$(stat -c %s "$out/gp2x-rpg")" "$(stat -c %s "$build/gp2x-rpg")"
}

# Starts LAUNCHER of the folder from another folder; the save must appear
# beside it and hold the object and overhead layers of its Media/map.dat.
check_launcher() { # TARGET BUILD LAUNCHER
    local target=$1 build=$2 launcher=$3 work
    work=$(mktemp -d)
    mkdir -p "$work/a folder with spaces" "$work/elsewhere" "$work/shim"
    cp -r "dist/gp2x-rpg-$target" "$work/a folder with spaces/"
    cp "$build/tests/libsave_and_quit.so" "$work/shim/"
    local game="$work/a folder with spaces/gp2x-rpg-$target"
    local save="$game/gamesave.dat" status=0 shim=$work/shim/libsave_and_quit.so run
    # The launchers put $RPG_EMULATOR before the game; qemu preloads for it.
    if [ "$target" = x86_64 ]; then
        run=(env LD_PRELOAD="$shim")
    else
        run=(env RPG_EMULATOR="$(emulator "$target") -E LD_PRELOAD=$shim")
    fi
    (cd "$work/elsewhere" && "${run[@]}" SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
        timeout 120 "$game/$launcher" >"$work/log" 2>&1) || status=$?
    local why=""
    if [ $status -ne 0 ]; then
        why="the game ended with status $status: $(head -c 300 "$work/log")"
    elif [ ! -f "$save" ]; then
        why="no gamesave.dat beside the launcher"
    elif [ -n "$(ls "$work/elsewhere")" ]; then
        why="the game wrote into the folder it was started from"
    elif [ "$($(emulator "$target") "$build/replay" --position "$save")" != "$($(emulator "$target") "$build/replay" --start)" ]; then
        why="the save does not hold the start position"
    elif ! $(emulator "$target") "$build/replay" --same-map "$save" "$game/Media/map.dat"; then
        why="the save's map is not the one in its Media/map.dat"
    fi
    rm -rf "$work"
    if [ -n "$why" ]; then
        echo "launcher $target/$launcher: FAILED: $why" >&2
        return 1
    fi
    echo "launcher $target/$launcher: started from another folder, saved beside itself the map of its Media/"
}

passed=0 failed=0
for target in $targets; do
    build=$(build_target "$target")
    make_folder "$target" "$build"
    if $check; then
        cmake --build "$build" -j"$(nproc)" --target save_and_quit >/dev/null
        for launcher in gp2x-rpg.sh gp2x-rpg.gpe; do
            [ -f "dist/gp2x-rpg-$target/$launcher" ] || continue
            if check_launcher "$target" "$build" "$launcher"; then
                passed=$((passed + 1))
            else
                failed=$((failed + 1))
            fi
        done
    fi
done
if $check; then
    echo "launchers: $passed passed, $failed failed"
    [ $failed -eq 0 ]
fi
