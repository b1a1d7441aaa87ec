#!/usr/bin/env bash
# Sets up, builds and runs every test: once in a plain build with warnings as
# errors, again on the classic SDL 1.2.15, cross-built for 32- and 64-bit ARM
# in qemu, in the release folders built against Debian 11 (their ELF files,
# their tests and their launchers over Debian 11's glibc and SDL2), as the
# Debian package on a clean Debian 12 root, as the web page (node and headless
# Chromium), then under AddressSanitizer and UndefinedBehaviorSanitizer, and
# last fuzzes the map and save readers for a minute each.
#   ./test.sh          everything, as CI runs it
#   ./test.sh quick    the native build, its unit tests and its scenarios
# The closing line counts what the test runners themselves reported: each
# ctest run's JUnit file and each other step's own count.
set -euo pipefail
. "$(dirname "$0")/scripts/lib/common.sh"
RPG_NAME=test
cd "$RPG_REPO"
tier=${1:-full}
case $tier in full | quick) ;; *) fail "usage: ./test.sh [quick]" ;; esac
RPG_RESULTS=$(mktemp -d)
export RPG_RESULTS
rpg_on_exit "rm -rf '$RPG_RESULTS'"

# Every test that ran, from the runners' own results; fails on any failure.
closing_count() {
    local file passed=0 failed=0 p f
    for file in "$RPG_RESULTS"/*.xml; do
        [ -f "$file" ] || continue
        p=$(grep -c '<testcase .*status="run"' "$file" || true)
        f=$(grep -c '<testcase .*status="fail"' "$file" || true)
        passed=$((passed + p)) failed=$((failed + f))
    done
    for file in "$RPG_RESULTS"/*.count; do
        [ -f "$file" ] || continue
        read -r p f <"$file"
        passed=$((passed + p)) failed=$((failed + f))
    done
    echo "tests: $passed passed, $failed failed"
    [ "$passed" -gt 0 ] && [ "$failed" -eq 0 ]
}

if [ "$tier" = quick ]; then
    bash scripts/install-deps.sh --quick
    echo "== the native build with warnings as errors, its unit tests and its scenarios"
    cmake -S . -B build -DRPG_WERROR=ON -DRPG_CXX98=ON >/dev/null
    cmake --build build -j"$RPG_JOBS"
    run_ctest build native -L 'unit|scenario'
    closing_count
    exit
fi

bash scripts/install-deps.sh --tests

echo "== build with warnings as errors, the game library as C++98 like the console's compilers"
cmake -S . -B build -DRPG_WERROR=ON -DRPG_CXX98=ON >/dev/null
cmake --build build -j"$RPG_JOBS"
run_ctest build native

echo "== the same tests on the classic SDL 1.2.15 of the console's system"
bash scripts/classic-sdl.sh build

for arch in armel arm64; do
    echo "== cross-build for $arch and run the tests and the scenarios in qemu"
    bash scripts/cross.sh "$arch"
done

echo "== release folders for x86_64, aarch64 and armhf: their ELF files, the tests and scenarios over Debian 11's"
echo "   glibc and SDL2 with the bundled libraries, their launchers started from another folder"
bash scripts/release.sh --check

echo "== the Debian package, installed on a clean Debian 12 root and started from its desktop entry"
bash tests/deb/check.sh

echo "== the web page: built for WebAssembly, the scenarios under node, the page in headless Chromium"
bash tests/web/run.sh build

echo "== build and test under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-sanitize -DRPG_WERROR=ON -DRPG_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-sanitize -j"$RPG_JOBS"
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    run_ctest build-sanitize sanitize

echo "== fuzz the map reader and the save loader (FUZZ_SECONDS each, default 60)"
bash scripts/fuzz.sh "${FUZZ_SECONDS:-60}"

closing_count
