# The cache helper: an entry of $RPG_CACHE, built once for every set of
# inputs, under a lock, into a temporary folder that is renamed into place,
# so an interrupted build is never taken for a finished one. Sourced by
# common.sh.

# The key of an entry: the builder's own steps (its function and those named
# in $CACHE_FUNCTIONS) and every input, each INPUT a file or folder of the
# checkout (by content, named by its place in the checkout, so every clone
# shares the entry; an absolute path is named as it is) or text:WORDS (a
# compiler's version, a fetched revision).
cache_key() { # BUILDER [INPUT...]
    local builder=$1 input f
    shift
    {
        declare -f "$builder" ${CACHE_FUNCTIONS:-}
        for input in "$@"; do
            case $input in
            text:*) echo "$input" ;;
            *)
                (cd "$RPG_REPO" && find "$input" -type f | LC_ALL=C sort | while IFS= read -r f; do
                    sha256sum "$f"
                done)
                ;;
            esac
        done
    } | sha256sum | cut -c1-32
}

# Prints the folder of entry NAME for these inputs, NAME-KEY, built by
# `BUILDER FOLDER` when there is none. The builder runs in a subshell with
# errexit, in a fresh folder beside the entry that is renamed into place when
# it has finished; a builder that fails leaves nothing and fails the script.
# Two scripts asking for the same entry at once: one builds, the other waits
# for the lock and takes what it built. Checkouts of other sources get
# entries of their own, so neither pulls the other's from under it; an entry
# of NAME that nobody asked for in CACHE_KEEP_DAYS (default 3) is removed
# when another entry of NAME is built.
# Call it as a plain command or assignment, not behind || or in an if.
cache_build() { # NAME BUILDER [INPUT...]
    local name=$1 builder=$2 key entry status
    shift 2
    for key in "$@"; do
        case $key in text:*) ;; *) (cd "$RPG_REPO" && [ -e "$key" ]) || fail "$name: no input $key" ;; esac
    done
    key=$(cache_key "$builder" "$@")
    [ -n "$key" ] || fail "no key for $name"
    entry=$RPG_CACHE/$name-$key
    mkdir -p "$RPG_CACHE"
    # Not behind || nor in an if: bash would ignore errexit in the builder.
    local errexit=${-//[^e]/}
    set +e
    (
        set -e
        exec 8>"$entry.lock"
        flock 8
        if [ -f "$entry/.cache-key" ]; then
            touch "$entry.used"
            exit 0
        fi
        rm -rf "$entry.building"
        mkdir -p "$entry.building"
        echo "$RPG_NAME: building $name in $RPG_CACHE (its inputs changed or it was never built)" >&2
        "$builder" "$entry.building" 8>&- >&2
        echo "$key" >"$entry.building/.cache-key"
        mv "$entry.building" "$entry"
        touch "$entry.used"
        cache_prune "$name" "$entry"
    )
    status=$?
    [ -z "$errexit" ] || set -e
    [ "${status:-0}" -eq 0 ] || fail "building $name failed (the lines above say why)"
    echo "$entry"
}

# Removes the entries of NAME but KEEP that nobody asked for lately, each
# under its own lock, never one that is being built or used to build.
cache_prune() { # NAME KEEP
    local other
    for other in "$RPG_CACHE/$1"-????????????????????????????????; do
        [ -d "$other" ] && [ "$other" != "$2" ] || continue
        [ -z "$(find "$other.used" -mtime -"${CACHE_KEEP_DAYS:-3}" 2>/dev/null)" ] || continue
        (
            exec 9>"$other.lock"
            flock -n 9 || exit 0
            rm -rf "$other" "$other.used"
        )
    done
}
