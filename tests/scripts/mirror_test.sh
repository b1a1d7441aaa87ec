#!/usr/bin/env bash
# A suite that the mirror no longer serves stops the build with one line that
# names the suite and the mirror, and RPG_DEBIAN_MIRROR points the release
# suite at another mirror; a mirror of our own on the loopback stands in.
set -euo pipefail
work=$(mktemp -d)
export RPG_NAME=mirror_test
. "$(dirname "$0")/../../scripts/lib/common.sh"
rpg_on_exit "rm -rf '$work'"
failures=0
check() { # WHAT CONDITION...
    local what=$1
    shift
    if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}

mkdir -p "$work/mirror/dists/$RELEASE_SUITE"
echo "Suite: oldstable" >"$work/mirror/dists/$RELEASE_SUITE/Release"
# On a port the system picks, which the server names when it listens.
(cd "$work/mirror" && exec python3 -u -m http.server --bind 127.0.0.1 0 >"$work/server.log" 2>&1) &
rpg_on_exit "kill $! 2>/dev/null"
deadline=$((SECONDS + 30))
until port=$(sed -n 's/^Serving HTTP on .* port \([0-9]*\).*/\1/p' "$work/server.log") && [ -n "$port" ]; do
    [ $SECONDS -lt $deadline ] || { echo "FAILED: the stand-in mirror named no port within 30 s"; exit 1; }
    sleep 0.1
done
mirror=http://127.0.0.1:$port

export RPG_DEBIAN_MIRROR=$mirror
check "RPG_DEBIAN_MIRROR names the release suite's mirror" test "$(debian_mirror "$RELEASE_SUITE" | cut -d' ' -f1)" = "$mirror"
check "a suite the mirror serves passes" bash -c ". '$RPG_REPO/scripts/lib/common.sh'; debian_suite_served $RELEASE_SUITE"
status=0
said=$(bash -c ". '$RPG_REPO/scripts/lib/common.sh'; debian_suite_served gone" 2>&1) || status=$?
check "a suite it does not serve fails" test $status -ne 0
check "in one line" test "$(wc -l <<<"$said")" -eq 1
check "that names the suite and the mirror" grep -q "gone.*$mirror\|$mirror.*gone" <<<"$said"
[ $failures -eq 0 ]
