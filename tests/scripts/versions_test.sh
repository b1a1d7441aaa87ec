#!/usr/bin/env bash
# The versions file against what else states its facts: the vendored
# sources' own version numbers, and the oldest glibc and SDL2 that the
# README, docs/ports.md and the release folders' README promise.
set -euo pipefail
. "$(dirname "$0")/../../scripts/lib/common.sh"
cd "$RPG_REPO"
failures=0
agree() { # WHAT FOUND WANTED
    if [ "$2" = "$3" ]; then echo "ok: $1 is $3"; else echo "FAILED: $1 is '$2', versions.env says $3"; failures=$((failures + 1)); fi
}

agree "third_party/sdl12-compat" "$(sed -n '/^project(sdl12_compat/,/)/s/.*VERSION \([0-9.]*\).*/\1/p' third_party/sdl12-compat/CMakeLists.txt)" \
    "$SDL12COMPAT_VERSION"
agree "third_party/SDL_image" "$(awk '/define SDL_IMAGE_(MAJOR_VERSION|MINOR_VERSION|PATCHLEVEL)/ { v = v (v == "" ? "" : ".") $3 }
    END { print v }' third_party/SDL_image/SDL_image.h)" "$SDL_IMAGE_VERSION"

# Every "glibc X or newer" and "SDL2 Y or newer" of the documents, each
# joined across a line break.
for doc in README.md docs/ports.md scripts/release/README.md; do
    text=$(tr '\n' ' ' <"$doc")
    glibc=$(grep -oE 'glibc [0-9.]+[0-9] or newer' <<<"$text" | sort -u | paste -sd,)
    sdl2=$(grep -oE 'SDL2 [0-9.]+[0-9] or newer' <<<"$text" | sort -u | paste -sd,)
    agree "$doc's glibc floor" "$glibc" "glibc $GLIBC_FLOOR or newer"
    agree "$doc's SDL2 floor" "$sdl2" "SDL2 $SDL2_FLOOR or newer"
done
[ $failures -eq 0 ]
