#!/usr/bin/env bash
# Figures of the web page: the size of each of its files, plain and gzipped;
# one exploration frame over the busiest view, the game's own pass alone
# (`frames`, no replay and no screen digests), in WebAssembly under node
# against the native build, timed in the same run as the difference between
# two lengths (the best of three runs each); and the page's frame pacing in
# headless Chromium during a 10 s walk (tools/bench/web_pacing.js).
#   scripts/web-bench.sh [NATIVE_BUILD_DIR]   (after scripts/web.sh; default build)
set -euo pipefail
. "$(dirname "$0")/lib/common.sh"
cd "$RPG_REPO"
native=$(cd "${1:-build}" && pwd)
page=dist/web
web=build-web
[ -f "$web/frames.js" ] || fail "no $web/frames.js: run scripts/web.sh first"
[ -x "$native/frames" ] || fail "no $native/frames: build the target frames"

total=0 total_gz=0
printf '%-22s %10s %10s\n' file bytes gzipped
for file in "$page"/*; do
    plain=$(stat -c %s "$file")
    packed=$(gzip -9 -c "$file" | wc -c)
    total=$((total + plain)) total_gz=$((total_gz + packed))
    printf '%-22s %10d %10d\n' "$(basename "$file")" "$plain" "$packed"
done
printf '%-22s %10d %10d\n' "all" "$total" "$total_gz"

short=200 long=2200
best_us() { # FOLDER COMMAND...: the shortest of three runs, in microseconds
    local folder=$1 best=0 i start took
    shift
    for i in 1 2 3; do
        start=$(date +%s%N)
        (cd "$folder" && "$@" >/dev/null)
        took=$((($(date +%s%N) - start) / 1000))
        { [ $best -eq 0 ] || [ $took -lt $best ]; } && best=$took
    done
    echo $best
}
frame_us() { # FOLDER COMMAND...: microseconds per exploration frame
    local a b
    a=$(best_us "$@" $short)
    b=$(best_us "$@" $long)
    echo $(((b - a) / (long - short)))
}
native_us=$(frame_us "$native" ./frames)
wasm_us=$(frame_us "$web" node --no-experimental-fetch frames.js)
echo "busiest view: $(cd "$native" && ./frames 1 | cut -d' ' -f4-); one exploration frame (run_frame with drawing, no flip):"
echo "  native      $native_us us"
echo "  WebAssembly $wasm_us us (node $(node --version))"
awk -v w="$wasm_us" -v n="$native_us" 'BEGIN { if (n > 0) printf "  ratio       %.2f\n", w / n }'

echo "frame pacing in headless Chromium ($(/usr/bin/chromium --version 2>/dev/null || echo chromium)):"
[ -d tests/web/node_modules ] || (cd tests/web && npm ci --no-audit --no-fund --loglevel=error >/dev/null)
node tools/bench/web_pacing.js "$page" | sed 's/^/  /'
