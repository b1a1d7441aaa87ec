#!/usr/bin/env bash
# The cache helper of the build scripts (scripts/lib/cache.sh), in a private
# cache: a build killed halfway is built again, a changed input builds again,
# an unchanged one does not, and two scripts asking at once build once.
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CACHE_HOME=$work/cache RPG_NAME=cache_test
. "$(dirname "$0")/../../scripts/lib/common.sh"
failures=0
check() { # WHAT CONDITION...
    local what=$1
    shift
    if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}
builds() { cat "$work/builds" 2>/dev/null | wc -l; }

# Counts its builds, writes its input's words, and stops halfway when asked
# to, or waits until a file appears.
builder() {
    echo "$$" >>"$work/builds"
    cp "$work/input" "$1/half"
    [ ! -f "$work/die-halfway" ] || kill -9 $BASHPID
    local deadline=$((SECONDS + 30))
    while [ -f "$work/hold" ] && [ $SECONDS -lt $deadline ]; do sleep 0.05; done
    cp "$work/input" "$1/whole"
}
get() { cache_build entry builder "$work/input"; }

echo one >"$work/input"
touch "$work/die-halfway"
(get >/dev/null 2>&1) || true
entries() { find "$RPG_CACHE" -maxdepth 1 -name 'entry-*' -type d ! -name '*.building' | wc -l; }
check "a build killed halfway leaves no entry" test "$(entries)" -eq 0
rm "$work/die-halfway"
entry=$(get 2>/dev/null)
check "the next run builds it again, whole" grep -qx one "$entry/whole"
check "and that was the second build" test "$(builds)" -eq 2
get >/dev/null 2>&1
check "an unchanged input builds nothing" test "$(builds)" -eq 2
echo two >"$work/input"
first_entry=$entry
entry=$(get 2>/dev/null)
check "a changed input builds again" grep -qx two "$entry/whole"
check "beside the entry of the other input" grep -qx one "$first_entry/whole"
check "a changed step builds again" test "$(cache_key builder "$work/input")" != \
    "$(CACHE_FUNCTIONS=get cache_key builder "$work/input")"

# Two at once: the first holds the lock while the second asks.
echo three >"$work/input"
touch "$work/hold"
get >"$work/first" 2>/dev/null &
first=$!
deadline=$((SECONDS + 30))
until [ "$(builds)" -eq 4 ] || [ $SECONDS -ge $deadline ]; do sleep 0.05; done
check "the first of two began its build" test "$(builds)" -eq 4
get >"$work/second" 2>/dev/null &
second=$!
rm "$work/hold"
wait $first $second
check "two at once built once" test "$(builds)" -eq 4
check "and both got the entry" test "$(cat "$work/first")" = "$(cat "$work/second")" -a -n "$(cat "$work/first")"
entry=$(cat "$work/first")
check "holding the new input" grep -qx three "$entry/whole"

# A builder that fails keeps the old entry and fails the script.
echo four >"$work/input"
broken() { false; cp "$work/input" "$1/whole"; }
set +e
(cache_build entry broken "$work/input" >/dev/null 2>&1)
status=$?
set -e
check "a failing step fails the script" test $status -ne 0
check "and leaves no entry" test ! -e "$RPG_CACHE/entry-$(cache_key broken "$work/input")"
check "but those it had" grep -qx three "$entry/whole"

# An entry nobody asked for lately goes when another is built; one asked for stays.
touch -d '5 days ago' "$first_entry.used"
echo five >"$work/input"
get >/dev/null 2>&1
check "an entry nobody asked for in days is removed" test ! -e "$first_entry"
check "one asked for lately stays" grep -qx three "$entry/whole"

[ $failures -eq 0 ]
