#!/usr/bin/env bash
# Runs the tests of a native build again on the classic SDL 1.2.15 that the
# console's system has, in place of sdl12-compat: Debian's libsdl1.2debian
# (which conflicts with sdl12-compat's package) and the libraries it needs
# that are not installed, unpacked into a private folder put first on the
# library path. Fails unless that library is the one the programs load.
#   scripts/classic-sdl.sh [BUILD_DIR] [CTEST_ARGS...]   (default build)
set -euo pipefail
. "$(dirname "$0")/lib/common.sh"
cd "$RPG_REPO"
build=${1:-build}
shift || true
[ -x "$build/replay" ] || fail "no native build in $build (build it first)"
arch=$(dpkg --print-architecture)

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

# The package and what it depends on, first choices only, less what is installed.
needed() {
    local todo=libsdl1.2debian seen="" p dep
    while [ -n "$todo" ]; do
        set -- $todo
        p=$1
        shift
        todo="$*"
        seen="$seen $p"
        for dep in $(apt-cache depends --no-recommends --no-suggests --no-conflicts --no-breaks \
            --no-replaces --no-enhances "$p" 2>/dev/null | awk '$1 == "Depends:" && $2 !~ /^</ { print $2 }'); do
            dep=${dep%:*}
            case " $seen $todo " in *" $dep "*) continue ;; esac
            installed "$dep" || todo="$todo $dep"
        done
    done
    echo $seen
}

# The packages, downloaded and unpacked into OUT/root.
unpack_classic() { # OUT
    local deb
    mkdir -p "$1/debs"
    (cd "$1/debs" && apt-get download $packages >"$1/download.log" 2>&1) ||
        fail "cannot download $(grep -m1 -oE "Unable to locate package [^ ]+|Failed to fetch [^ ]+" "$1/download.log" || echo "$packages")"
    for deb in "$1"/debs/*.deb; do
        dpkg-deb -x "$deb" "$1/root" || fail "cannot unpack $(basename "$deb")"
    done
    rm -rf "$1/debs"
}

apt-cache show libsdl1.2debian >/dev/null 2>&1 || as_root apt-get update -qq || fail "apt-get update failed"
packages=$(needed)
folder=$(cache_build "classic-sdl-$arch" unpack_classic \
    "text:$(apt-cache show --no-all-versions $packages | grep -E '^(Package|Version):' | paste -sd' ')")

sdl=$(find "$folder/root" -name 'libSDL-1.2.so.0' -print -quit)
[ -n "$sdl" ] || fail "libsdl1.2debian holds no libSDL-1.2.so.0"
libdir=$(dirname "$sdl")
missing=$(LD_LIBRARY_PATH=$libdir ldd "$sdl" | awk '/not found/ { print $1 }' | tr '\n' ' ')
[ -z "$missing" ] || fail "$(basename "$sdl") needs $missing, which no package gave"

# Which SDL a program of the build really loads.
loaded=$(LD_LIBRARY_PATH=$libdir LD_DEBUG=libs SDL_VIDEODRIVER=dummy "$build/replay" --media "$build/Media" \
    tests/replays/talk.replay 2>&1 >/dev/null | sed -n 's/.*calling init: \(.*libSDL\(-1.2\|2-2.0\)\.so.*\)$/\1/p' | sort -u)
case "$loaded" in
"$libdir/libSDL-1.2.so.0") echo "classic-sdl: the programs load $(readlink -f "$sdl" | sed "s|$HOME|~|")" ;;
*) fail "the programs do not load the classic SDL but: $(echo $loaded)" ;;
esac

# Not run here: tests of what only sdl12-compat has. Its game-controller
# layout (the game rightly keeps the console's numbering on the classic
# library, whatever the setting), and its window: full screen on X11 and the
# dummy driver's SDL_WM_ToggleFullScreen, which the classic library lacks.
compat_only='^(Pad\.|PadLayout\.UsedOnlyWhenTheLibrarySettingAsksForIt$|Window\.AltReturn|e2e_window$)'
export LD_LIBRARY_PATH=$libdir${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}
run_ctest "$build" classic-sdl -E "$compat_only" "$@"
