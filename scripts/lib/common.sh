# What every script of the build shares: the checkout, the versions file, the
# cache folder, failing with one line, running as root, the Debian mirror and
# its source packages, a private X server, running ctest and counting results,
# and the cache helper (cache.sh).
# Sourced, not run: . "$(dirname "$0")/lib/common.sh"

RPG_REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
RPG_NAME=${RPG_NAME:-$(basename "$0" .sh)}
RPG_CACHE=${XDG_CACHE_HOME:-$HOME/.cache}/gp2x-rpg
RPG_JOBS=${RPG_JOBS:-$(nproc)}

# KEY=VALUE lines, nothing else is run from the file.
while IFS='=' read -r key value; do
    case $key in '' | \#*) continue ;; esac
    printf -v "$key" '%s' "$value"
done <"$RPG_REPO/versions.env"

fail() {
    echo "$RPG_NAME: $*" >&2
    exit 1
}

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# This machine's own Debian suite.
host_codename() { (. /etc/os-release && echo "${VERSION_CODENAME:-}"); }

# The binary sources of this machine's apt for SUITE and its -updates and
# -security suites, one "URI SUITE KEYRING" line each (KEYRING may be "-"):
# deb822 files first, then the one-line format.
debian_sources() { # [SUITE]
    local suite=${1:-$HOST_SUITE} file
    {
        for file in /etc/apt/sources.list.d/*.sources; do
            [ -f "$file" ] || continue
            awk -v want="$suite" '
                function flush(   n, i, s) {
                    if (types ~ /(^| )deb( |$)/ && uri != "") {
                        n = split(suites, s, " ")
                        for (i = 1; i <= n; i++)
                            if (s[i] == want || s[i] == want "-updates" || s[i] == want "-security")
                                print uri, s[i], (key == "" ? "-" : key)
                    }
                    types = suites = uri = key = ""
                }
                /^[ \t]*#/ { next }
                /^[ \t]*$/ { flush(); next }
                /^Types:/ { sub(/^Types:[ \t]*/, ""); types = $0 }
                /^URIs:/ { uri = $2 }
                /^Suites:/ { sub(/^Suites:[ \t]*/, ""); suites = $0 }
                /^Signed-By:/ { key = $2 }
                END { flush() }' "$file"
        done
        for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
            [ -f "$file" ] || continue
            sed -e 's/\[[^]]*\]//' "$file" | awk -v want="$suite" '$1 == "deb" &&
                ($3 == want || $3 == want "-updates" || $3 == want "-security") { print $2, $3, "-" }'
        done
    } | awk '!seen[$2]++'
}

# The line of debian_sources for SUITE itself, not its -updates or -security.
debian_suite_source() { debian_sources "$1" | awk -v s="$1" '$2 == s'; }

# "URI KEYRING" of SUITE itself, for debootstrap. A suite that this
# machine's apt does not list (the release suite) comes from the mirror of
# this machine's own suite, or from RPG_DEBIAN_MIRROR when that is set (an
# archive of old releases, once the usual mirrors have dropped the suite).
debian_mirror() { # [SUITE]
    local suite=${1:-$HOST_SUITE} uri key
    read -r uri _ key < <(debian_suite_source "$suite") || true
    if [ -z "${uri:-}" ]; then
        read -r uri _ key < <(debian_suite_source "$(host_codename)") || true
        if [ -n "${RPG_DEBIAN_MIRROR:-}" ]; then uri=$RPG_DEBIAN_MIRROR; fi
    fi
    [ -n "${uri:-}" ] || fail "this machine's apt names no Debian mirror for $suite (set RPG_DEBIAN_MIRROR)"
    if [ "${key:--}" = - ]; then key=""; fi
    echo "$uri $key"
}

# Fails with one line when the mirror no longer serves SUITE: its Release file
# must answer.
debian_suite_served() { # SUITE
    local uri
    read -r uri _ < <(debian_mirror "$1")
    curl -fsI -o /dev/null --max-time 60 "$uri/dists/$1/Release" ||
        fail "the mirror $uri no longer serves Debian's $1 suite (RPG_DEBIAN_MIRROR=URI names another, see the README)"
}

# A private apt for the source packages of the host suite, its -updates and
# -security, in a temporary folder of this run; the system's own apt settings
# are left as they are. Sets debian_apt (apt-get's options) and reads the
# lists once per run.
debian_apt_setup() {
    [ -n "${debian_apt_ready:-}" ] && return 0
    local uri suite key list=""
    while read -r uri suite key; do
        if [ "$key" != - ] && [ -f "$key" ]; then key="[signed-by=$key] "; else key=""; fi
        list="${list}deb-src $key$uri $suite main"$'\n'
    done < <(debian_sources "$HOST_SUITE")
    [ -n "$list" ] || fail "this machine's apt names no source for Debian's $HOST_SUITE"
    debian_apt_dir=$(mktemp -d)
    mkdir -p "$debian_apt_dir/lists/partial" "$debian_apt_dir/archives/partial" "$debian_apt_dir/parts"
    printf '%s' "$list" >"$debian_apt_dir/sources.list"
    touch "$debian_apt_dir/status"
    debian_apt=(-o Dir::Etc::SourceList="$debian_apt_dir/sources.list" -o Dir::Etc::SourceParts="$debian_apt_dir/parts"
        -o Dir::State::Lists="$debian_apt_dir/lists" -o Dir::Cache="$debian_apt_dir"
        -o Dir::State::Status="$debian_apt_dir/status" -o APT::Sandbox::User=root)
    apt-get "${debian_apt[@]}" update >"$debian_apt_dir/update.log" 2>&1 ||
        fail "cannot read the source lists of $(debian_apt_names): $(grep -m1 -E '^(E|Err):' "$debian_apt_dir/update.log")"
    debian_apt_ready=1
    rpg_on_exit "rm -rf '$debian_apt_dir'"
}

# "PACKAGE REVISION" of each source package, as it can be fetched now: the
# newest revision that the suite, its -updates and -security list and whose
# files the mirror answers for (an index may list a revision whose files are
# not there yet, or no longer).
debian_source_revisions() { # PACKAGE...
    debian_apt_setup
    local p v url taken
    for p in "$@"; do
        if [ -f "$debian_apt_dir/revision-$p" ]; then
            cat "$debian_apt_dir/revision-$p"
            continue
        fi
        taken=""
        for v in $(apt-cache "${debian_apt[@]}" showsrc "$p" 2>/dev/null | awk '/^Version:/ { print $2 }' |
            sort -u | sort -r -V); do
            url=$(apt-get "${debian_apt[@]}" source --print-uris "$p=$v" 2>/dev/null |
                awk -F"'" '$2 ~ /\.dsc$/ { print $2; exit }')
            if [ -n "$url" ] && curl -fsI -o /dev/null --max-time 60 "$url"; then
                taken=$v
                break
            fi
            echo "$RPG_NAME: $p $v is listed, but the mirror does not answer for ${url:-its files}; trying the one before" >&2
        done
        [ -n "$taken" ] || fail "no revision of the source package $p can be fetched from $(debian_apt_names)"
        echo "$p $taken" | tee "$debian_apt_dir/revision-$p"
    done
}
debian_apt_names() { awk '{ print $(NF - 2), $(NF - 1) }' "$debian_apt_dir/sources.list" | paste -sd';'; }

# Downloads the source packages into DEST, at the revisions that
# debian_source_revisions names.
debian_sources_fetch() { # DEST PACKAGE...
    local dest=$1 p v
    shift
    debian_apt_setup
    mkdir -p "$dest"
    while read -r p v; do
        (cd "$dest" && apt-get "${debian_apt[@]}" source --download-only "$p=$v" >>"$dest/fetch.log" 2>&1) ||
            fail "cannot fetch the source package $p $v from $(debian_apt_names): $(grep -m1 -E '^(E|Err):' "$dest/fetch.log")"
    done < <(debian_source_revisions "$@")
}

# Unpacks PACKAGE's fetched source from FETCHED into DIR, afresh.
debian_source_unpack() { # FETCHED DIR PACKAGE
    local dsc
    dsc=$(ls "$1/$3"_*.dsc 2>/dev/null | head -1)
    [ -n "$dsc" ] || fail "the source package $3 was not fetched into $1"
    rm -rf "$2"
    dpkg-source --no-check -x "$dsc" "$2" >>"$1/unpack.log" 2>&1 || fail "cannot unpack $dsc"
}

# Commands run when the script ends, in the order they were added.
# Only the script's own shell runs them, not a subshell that added one.
rpg_exit_commands=()
rpg_main_shell=$BASHPID
rpg_on_exit() {
    rpg_exit_commands+=("$1")
    trap '[ $BASHPID != $rpg_main_shell ] || for c in "${rpg_exit_commands[@]}"; do eval "$c"; done' EXIT
}

# A private X server: Xvfb picks a free display itself and names it once it
# takes connections; sets DISPLAY and XVFB_PID (10 s at most) and stops the
# server when the script ends. Without -noreset the server resets when a
# client disconnects, and a program that connects just then silently gets
# SDL's offscreen driver and no window.
xvfb_start() { # [WxHxD]
    local named deadline=$((SECONDS + 10))
    named=$(mktemp)
    Xvfb -displayfd 3 -screen 0 "${1:-640x480x24}" -nolisten tcp -noreset 3>"$named" >/dev/null 2>&1 &
    XVFB_PID=$!
    rpg_on_exit xvfb_stop
    until [ -n "$(cat "$named")" ] && DISPLAY=":$(cat "$named")" xdpyinfo >/dev/null 2>&1; do
        kill -0 "$XVFB_PID" 2>/dev/null || fail "Xvfb could not start"
        [ "$SECONDS" -lt "$deadline" ] || fail "Xvfb did not take connections within 10 s"
        sleep 0.05
    done
    DISPLAY=":$(cat "$named")"
    export DISPLAY
    rm -f "$named"
}
xvfb_stop() {
    [ -z "${XVFB_PID:-}" ] || kill "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=""
}
# The whole X screen as a picture.
x_screenshot() { # FILE
    import -window root "$1" || fail "no screenshot of $DISPLAY"
}

. "$RPG_REPO/scripts/lib/cache.sh"

# ctest in BUILD with the test command's settings; with RPG_RESULTS set (the
# test command sets it), its results go there as NAME.xml (JUnit).
run_ctest() { # BUILD NAME [CTEST_ARGS...]
    local build=$1 name=$2
    shift 2
    (cd "$build" && ctest --output-on-failure -j"$RPG_JOBS" ${RPG_RESULTS:+--output-junit "$RPG_RESULTS/$name.xml"} "$@")
}
# A step that is no ctest run leaves its own count there: NAME.count.
count_results() { # NAME PASSED FAILED
    [ -z "${RPG_RESULTS:-}" ] || echo "$2 $3" >"$RPG_RESULTS/$1.count"
}
