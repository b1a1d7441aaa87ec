#!/usr/bin/env bash
# Cross-builds the game (its library as C++98, like the console's compilers),
# its tools and its tests for an ARM target and runs the unit tests and the
# recorded scenarios in qemu with SDL's dummy driver.
#   scripts/cross.sh armel|arm64 [--no-tests]     (into build-ARCH/)
# Makes the target's sysroot first (scripts/sysroot.sh); when that fails the
# build stops there, with the line that names what failed.
set -euo pipefail
. "$(dirname "$0")/lib/common.sh"
cd "$RPG_REPO"
arch=${1:?usage: cross.sh armel|arm64 [--no-tests]}
[ -f "cmake/$arch.cmake" ] || fail "no toolchain file cmake/$arch.cmake"
bash scripts/install-deps.sh --cross
RPG_SYSROOT=$(bash scripts/sysroot.sh "$arch")
export RPG_SYSROOT
cmake -S . -B "build-$arch" -DCMAKE_TOOLCHAIN_FILE="cmake/$arch.cmake" -DRPG_WERROR=ON -DRPG_CXX98=ON >/dev/null
cmake --build "build-$arch" -j"$RPG_JOBS"
[ "${2:-}" = "--no-tests" ] && exit 0
run_ctest "build-$arch" "cross-$arch"

# The generator ran on the target: its images and map must be the native ones.
if [ -d build/Media ]; then
    for file in build/Media/*; do
        cmp -s "$file" "build-$arch/Media/${file##*/}" ||
            fail "$arch made Media/${file##*/} unlike the native build"
    done
    echo "media: $(ls build/Media | wc -l) files made on $arch, the same as the native build's"
    count_results "media-$arch" 1 0
fi
