#!/usr/bin/env bash
# Runs the end-to-end tests of a build N times in a row, each once per round
# and never again after a failure, and prints how many rounds each passed.
#   scripts/e2e-repeat.sh [BUILD_DIR] [N]   (default build, 20)
# A sanitizer build runs with the test command's sanitizer settings.
set -uo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
rounds=${2:-20}
[ -f "$build/CTestTestfile.cmake" ] || { echo "e2e-repeat: no build in $build" >&2; exit 1; }
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
log=$(mktemp)
trap 'rm -f "$log"' EXIT

declare -A passed failed
for round in $(seq "$rounds"); do
    (cd "$build" && ctest -R '^e2e_' --output-on-failure) >"$log" 2>&1
    while read -r name result; do
        if [ "$result" = Passed ]; then
            passed[$name]=$((${passed[$name]:-0} + 1))
        else
            failed[$name]=$((${failed[$name]:-0} + 1))
            echo "round $round: $name: $result; $(grep -m1 '^FAIL' "$log")"
        fi
    done < <(sed -n 's/^ *[0-9]*\/[0-9]* Test *#[0-9]*: \(e2e_[a-z_]*\) \.*\** *\([A-Za-z][A-Za-z ]*[a-z]\).*/\1 \2/p' "$log")
    echo "round $round of $rounds done at $(date +%T)"
done
for name in $(printf '%s\n' "${!passed[@]}" "${!failed[@]}" | sort -u); do
    echo "$name: ${passed[$name]:-0} of $rounds passed, ${failed[$name]:-0} failed"
done
