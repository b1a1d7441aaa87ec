# The Debian mirror this machine's apt uses, for the scripts that fetch from
# it (sysroots, the web page's source packages, the package check's root).
# Sourced, not run.

# Prints "URI KEYRING" of the first binary source of apt for this machine's
# release: deb822 files first, then the one-line format (KEYRING may be
# empty). Prints nothing when there is none.
debian_mirror() {
    local codename file
    codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
    [ -n "$codename" ] || return 0
    {
        for file in /etc/apt/sources.list.d/*.sources; do
            [ -f "$file" ] || continue
            awk -v want="$codename" '
                function flush() {
                    if (types ~ /(^| )deb( |$)/ && (" " suites " ") ~ (" " want " ") && uri != "") {
                        print uri, key; found = 1; exit
                    }
                    types = suites = uri = key = ""
                }
                /^[ \t]*#/ { next }
                /^[ \t]*$/ { flush(); next }
                /^Types:/ { sub(/^Types:[ \t]*/, ""); types = $0 }
                /^URIs:/ { uri = $2 }
                /^Suites:/ { sub(/^Suites:[ \t]*/, ""); suites = $0 }
                /^Signed-By:/ { key = $2 }
                END { if (!found) flush() }' "$file"
        done
        for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
            [ -f "$file" ] || continue
            sed -e 's/\[[^]]*\]//' "$file" | awk -v want="$codename" '$1 == "deb" && $3 == want { print $2; exit }'
        done
    } | head -1
}
