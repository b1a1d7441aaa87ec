#!/usr/bin/env bash
# The web page's proof: builds it (scripts/web.sh), plays the recorded
# scenarios with the WebAssembly replay tool under node, and checks the page
# in headless Chromium against the native build's frame of the same place,
# on a desktop, on a phone and with pads.
#   tests/web/run.sh NATIVE_BUILD_DIR     (prints "web: N passed, 0 failed")
set -euo pipefail
. "$(dirname "$0")/../../scripts/lib/common.sh"
native=$(cd "${1:?usage: run.sh NATIVE_BUILD_DIR}" && pwd)
cd "$RPG_REPO"
work=$(mktemp -d)
rpg_on_exit "rm -rf '$work'"

bash scripts/web.sh
passed=0

for replay in tests/replays/*.replay; do
    name=$(basename "$replay" .replay)
    bash tests/replays/check.sh node --no-experimental-fetch build-web/replay.js build-web/Media "$name"
    passed=$((passed + 1))
done

# The native game's start view: the digest of the first frame of a new game.
printf 'seed 1\nend 2\n' >"$work/start.replay"
start=$("$native/replay" --media "$native/Media" --trace "$work/start.replay" | sed -n 's/^1: .* screen //p')
(cd tests/web && npm ci --no-audit --no-fund --loglevel=error >/dev/null)
node tests/web/page.test.js dist/web "$start" build-web/screens | tee "$work/page.log"
node tests/web/phone.test.js dist/web build-web/screens | tee -a "$work/page.log"
passed=$((passed + $(grep -c '^ok: ' "$work/page.log")))
echo "web: $passed passed, 0 failed"
count_results web $passed 0
