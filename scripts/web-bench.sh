#!/usr/bin/env bash
# Figures of the web page: the size of each of its files, plain and gzipped;
# one exploration frame over the busiest view in WebAssembly (node) against
# the native build, timed in the same run as the difference between standing
# replays of two lengths (the best of three runs each); and the page's frame
# pacing in headless Chromium during a 10 s walk (tools/bench/web_pacing.js).
#   scripts/web-bench.sh [NATIVE_BUILD_DIR]   (after scripts/web.sh; default build)
set -euo pipefail
cd "$(dirname "$0")/.."
native=$(cd "${1:-build}" && pwd)
page=dist/web
web=build-web
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

total=0 total_gz=0
printf '%-22s %10s %10s\n' file bytes gzipped
for file in "$page"/*; do
    plain=$(stat -c %s "$file")
    packed=$(gzip -9 -c "$file" | wc -c)
    total=$((total + plain)) total_gz=$((total_gz + packed))
    printf '%-22s %10d %10d\n' "$(basename "$file")" "$plain" "$packed"
done
printf '%-22s %10d %10d\n' "all" "$total" "$total_gz"

read -r x y < <(cd "$native" && ./bench --busiest)
short=200 long=2200
for n in $short $long; do
    printf 'seed 1\nplace %s %s\nend %s\n' "$x" "$y" "$n" >"$work/stand$n.replay"
done
best_us() { # COMMAND...: the shortest of three runs, in microseconds
    local best=0 i start took
    for i in 1 2 3; do
        start=$(date +%s%N)
        "$@" >/dev/null
        took=$((($(date +%s%N) - start) / 1000))
        { [ $best -eq 0 ] || [ $took -lt $best ]; } && best=$took
    done
    echo $best
}
frame_us() { # REPLAY-COMMAND...: microseconds per exploration frame
    local a b
    a=$(best_us "$@" "$work/stand$short.replay")
    b=$(best_us "$@" "$work/stand$long.replay")
    echo $(((b - a) / (long - short)))
}
native_us=$(frame_us "$native/replay" --media "$native/Media")
wasm_us=$(frame_us node --no-experimental-fetch "$web/replay.js" --media "$web/Media")
echo "busiest view: player at $x $y; one exploration frame (run_frame with drawing, no flip):"
echo "  native      $native_us us"
echo "  WebAssembly $wasm_us us (node $(node --version))"
awk -v w="$wasm_us" -v n="$native_us" 'BEGIN { if (n > 0) printf "  ratio       %.2f\n", w / n }'

echo "frame pacing in headless Chromium ($(/usr/bin/chromium --version 2>/dev/null || echo chromium)):"
[ -d tests/web/node_modules ] || (cd tests/web && npm ci --no-audit --no-fund --loglevel=error >/dev/null)
node tools/bench/web_pacing.js "$page" | sed 's/^/  /'
