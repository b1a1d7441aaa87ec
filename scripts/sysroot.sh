#!/usr/bin/env bash
# Makes the root file system of a Debian ARM architecture (armel or arm64)
# that the cross builds compile against and that qemu runs their programs in:
# debootstrap's first stage, then every package it downloaded unpacked in.
#   scripts/sysroot.sh ARCH       (prints the sysroot's folder on stdout)
# The result is kept in ${XDG_CACHE_HOME:-~/.cache}/gp2x-rpg/sysroot-ARCH and
# reused while its stamp lists the same packages. The Debian mirror and suite
# are the ones this machine's apt uses. Any failure is one line on stderr.
set -euo pipefail
arch=${1:?usage: sysroot.sh armel|arm64}
packages="libc6-dev libstdc++-12-dev libsdl1.2-compat-dev libsdl-image1.2-dev libpng-dev libgtest-dev"
# libsdl-image1.2-dev would take the classic SDL's headers as its first choice.
excluded="libsdl1.2-dev,libsdl1.2debian"
cache=${XDG_CACHE_HOME:-$HOME/.cache}/gp2x-rpg
root=$cache/sysroot-$arch
stamp=$root/.sysroot-packages
wanted="$packages without ${excluded//,/ }"

fail() {
    echo "sysroot $arch: $*" >&2
    exit 1
}

case $arch in
armel | arm64) ;;
*) fail "unknown architecture (armel or arm64)" ;;
esac

if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$wanted" ]; then
    echo "$root"
    exit 0
fi

for tool in debootstrap dpkg-deb; do
    command -v $tool >/dev/null || fail "$tool is missing (scripts/install-deps.sh --cross installs it)"
done
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

# The first Debian source of apt for this release: deb822 files, then the
# one-line format. Prints "URI SUITE KEYRING".
codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
[ -n "$codename" ] || fail "no VERSION_CODENAME in /etc/os-release"
apt_source() {
    local file
    for file in /etc/apt/sources.list.d/*.sources; do
        [ -f "$file" ] || continue
        awk -v want="$codename" '
            function flush() {
                if (types ~ /(^| )deb( |$)/ && (" " suites " ") ~ (" " want " ") && uri != "") {
                    print uri, want, key; found = 1; exit
                }
                types = suites = uri = key = ""
            }
            /^[ \t]*#/ { next }
            /^[ \t]*$/ { flush(); next }
            /^Types:/ { sub(/^Types:[ \t]*/, ""); types = $0 }
            /^URIs:/ { uri = $2 }
            /^Suites:/ { sub(/^Suites:[ \t]*/, ""); suites = $0 }
            /^Signed-By:/ { key = $2 }
            END { if (!found) flush() }' "$file" | head -1
    done
    for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$file" ] || continue
        sed -e 's/\[[^]]*\]//' "$file" | awk -v want="$codename" '$1 == "deb" && $3 == want { print $2, want; exit }'
    done
}
read -r mirror suite keyring < <(apt_source | head -1) || true
[ -n "${mirror:-}" ] || fail "no Debian source for $codename in /etc/apt (sources.list or sources.list.d/*.sources)"

echo "sysroot $arch: making it in $root from $mirror $suite" >&2
log=$cache/sysroot-$arch.log
mkdir -p "$cache"
$sudo rm -rf "$root"
keyopt=()
[ -n "${keyring:-}" ] && [ -f "$keyring" ] && keyopt=(--keyring="$keyring")
if ! $sudo debootstrap --foreign --variant=minbase --arch="$arch" "${keyopt[@]}" \
    --include="${packages// /,}" --exclude="$excluded" "$suite" "$root" "$mirror" >"$log" 2>&1; then
    why=$(grep -E "^E: |Couldn't|Failed|failed" "$log" | head -1)
    fail "debootstrap failed: ${why:-see $log}"
fi

# debootstrap's first stage unpacks only the base; the rest lies downloaded.
# Its --exclude does not hold against dependencies: drop those here.
for p in ${excluded//,/ }; do
    $sudo rm -f "$root"/var/cache/apt/archives/"${p}"_*.deb
done
for deb in "$root"/var/cache/apt/archives/*.deb; do
    $sudo dpkg-deb -x "$deb" "$root" 2>>"$log" || fail "cannot unpack $(basename "$deb")"
done
for p in $packages; do
    ls "$root"/var/cache/apt/archives/"${p}"_*.deb >/dev/null 2>&1 || fail "package $p was not downloaded"
done

# Links that point at /lib/... would leave the sysroot: make them relative.
$sudo find "$root" -type l -lname '/*' -print0 | while IFS= read -r -d '' link; do
    target=$(readlink "$link")
    $sudo ln -sfn "$(realpath -s -m --relative-to="$(dirname "$link")" "$root$target")" "$link"
done
$sudo rm -f "$root"/var/cache/apt/archives/*.deb
[ -n "$sudo" ] && $sudo chown -R "$(id -u):$(id -g)" "$root"
echo "$wanted" >"$stamp"
echo "$root"
