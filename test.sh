#!/usr/bin/env bash
# Sets up, builds and runs every test: once in a plain build with warnings as
# errors, again on the classic SDL 1.2.15, cross-built for 32- and 64-bit ARM
# in qemu, in the release folders built against Debian 11 (their ELF files,
# their tests and their launchers over Debian 11's glibc and SDL2), as the
# Debian package on a clean Debian 12 root, as the web page (node and headless
# Chromium), then under AddressSanitizer and
# UndefinedBehaviorSanitizer, and last fuzzes the map and save readers for a
# minute each.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/install-deps.sh --tests
jobs=$(nproc)
log=$(mktemp)
trap 'rm -f "$log"' EXIT

echo "== build with warnings as errors, the game library as C++98 like the console's compilers"
cmake -S . -B build -DRPG_WERROR=ON -DRPG_CXX98=ON >/dev/null
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs") | tee -a "$log"

echo "== the same tests on the classic SDL 1.2.15 of the console's system"
bash scripts/classic-sdl.sh build --output-on-failure -j"$jobs" | tee -a "$log"

for arch in armel arm64; do
    echo "== cross-build for $arch and run the tests and the scenarios in qemu"
    bash scripts/cross.sh "$arch" | tee -a "$log"
done

echo "== release folders for x86_64, aarch64 and armhf: their ELF files, the tests and scenarios over Debian 11's"
echo "   glibc and SDL2 with the bundled libraries, their launchers started from another folder"
bash scripts/release.sh --check | tee -a "$log"

echo "== the Debian package, installed on a clean Debian 12 root and started from its desktop entry"
bash tests/deb/check.sh | tee -a "$log"

echo "== the web page: built for WebAssembly, the scenarios under node, the page in headless Chromium"
bash tests/web/run.sh build | tee -a "$log"

echo "== build and test under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-sanitize -DRPG_WERROR=ON -DRPG_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-sanitize -j"$jobs"
(cd build-sanitize && ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --output-on-failure -j"$jobs") | tee -a "$log"

echo "== fuzz the map reader and the save loader (FUZZ_SECONDS each, default 60)"
bash scripts/fuzz.sh "${FUZZ_SECONDS:-60}"

# Every ctest run and the launchers passed to get here; their count, as one
# closing line.
passed=$(awk '/tests passed, 0 tests failed out of/ { n += $NF } /^(launchers|web): [0-9]+ passed, 0 failed/ { n += $2 }
    /^deb check: started from its desktop entry/ { n += 1 }
    END { print n + 0 }' "$log")
echo "tests: $passed passed, 0 failed"
