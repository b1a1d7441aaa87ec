#!/usr/bin/env bash
# Makes the root file system of a Debian architecture that the cross builds
# compile against and that qemu runs their programs in: debootstrap's first
# stage, then every package it downloaded unpacked in.
#   scripts/sysroot.sh ARCH [SUITE]   (prints the sysroot's folder on stdout)
# SUITE is HOST_SUITE of versions.env (the cross builds and their tests) or
# RELEASE_SUITE (the release folders, built against its older glibc). A
# release root also gets SDL2's headers and, in its .runtime/, a runtime root
# made of the same packages: glibc and SDL2 with what they load, and nothing
# else, the system a player's firmware stands for (sysroot.sh --runtime ARCH
# SUITE prints it). They are cache entries (scripts/lib/cache.sh),
# sysroot-ARCH and sysroot-SUITE-ARCH, made again when the suite, the
# packages or these steps change. The Debian mirror is the one this machine's
# apt uses, or RPG_DEBIAN_MIRROR. Any failure is one line on stderr.
set -euo pipefail
. "$(dirname "$0")/lib/common.sh"
print_runtime=false
if [ "${1:-}" = "--runtime" ]; then
    print_runtime=true
    shift
fi
arch=${1:?usage: sysroot.sh [--runtime] ARCH [SUITE]}
suite=${2:-$HOST_SUITE}
RPG_NAME="sysroot $arch $suite"
excluded=""
headers_only=""
release=false
case $suite in
"$HOST_SUITE")
    packages="libc6-dev libstdc++-$GCC_MAJOR-dev libsdl1.2-compat-dev libsdl-image1.2-dev libpng-dev libgtest-dev"
    # libsdl-image1.2-dev would take the classic SDL's headers as its first choice.
    excluded="libsdl1.2-dev,libsdl1.2debian"
    name=sysroot-$arch
    ;;
"$RELEASE_SUITE")
    # The compiler brings its own libstdc++, linked statically; SDL 1.2 and
    # SDL_image are built from third_party/ (scripts/bundle.sh).
    packages="libc6-dev libpng-dev libgtest-dev libsdl2-2.0-0"
    headers_only="libsdl2-dev libx11-dev x11proto-dev libgmock-dev"
    name=sysroot-$suite-$arch
    release=true
    ;;
*) fail "unknown suite ($HOST_SUITE or $RELEASE_SUITE)" ;;
esac
case $arch in
armel | arm64 | armhf | amd64) ;;
*) fail "unknown architecture (armel, arm64, armhf or amd64)" ;;
esac
if $print_runtime && ! $release; then
    fail "only a $RELEASE_SUITE sysroot has a runtime root"
fi

# The runtime root's library folders, as its loader would search them when
# it is the system: its own library folders and those that its libraries name
# in their run paths (PulseAudio's), one a line, from the root.
library_path() { # ROOT
    local lib
    {
        (cd "$1" && ls -d {usr/,}lib/*-linux-gnu* | sed 's|^|/|')
        for lib in "$1"/{usr/,}lib/*-linux-gnu*/*.so*; do
            readelf -d "$lib" 2>/dev/null | sed -n 's/.*(\(RUNPATH\|RPATH\)).*\[\(.*\)\]/\2/p' | tr ':' '\n'
        done
    } | grep '^/' | awk '!seen[$0]++' >"$1/.library-path"
}

# Links that point at /lib/... would leave the root: make them relative.
relative_links() { # ROOT
    as_root find "$1" -type l -lname '/*' -print0 | while IFS= read -r -d '' link; do
        target=$(readlink "$link")
        as_root ln -sfn "$(realpath -s -m --relative-to="$(dirname "$link")" "$1$target")" "$link"
    done
}

# The packages that NAMES need to run, NAMES included, from the suite's index
# that debootstrap fetched: Depends and Pre-Depends, the first of each choice,
# virtual names through Provides.
closure() { # INDEX NAMES...
    local index=$1
    shift
    awk -v want="$*" '
        /^Package:/ { pkg = $2 }
        /^Provides:/ { sub(/^Provides:[ \t]*/, ""); n = split($0, ps, /, */)
            for (i = 1; i <= n; i++) { split(ps[i], w, " "); if (!(w[1] in provider)) provider[w[1]] = pkg } }
        /^(Pre-)?Depends:/ { sub(/^[A-Za-z-]*:[ \t]*/, ""); deps[pkg] = deps[pkg] ", " $0 }
        END {
            n = split(want, queue, " ")
            for (i = 1; i <= n; i++) seen[queue[i]] = 1
            for (head = 1; head <= n; head++) {
                m = split(deps[queue[head]], ds, /, */)
                for (j = 1; j <= m; j++) {
                    if (ds[j] == "") continue
                    split(ds[j], alt, / *\| */); split(alt[1], w, /[ :(]/); d = w[1]
                    if (!(d in deps) && (d in provider)) d = provider[d]
                    if (!(d in seen)) { seen[d] = 1; queue[++n] = d }
                }
            }
            for (i = 1; i <= n; i++) print queue[i]
        }' "$index"
}

# A release root also gets SDL2's headers, with the X11 headers its
# SDL_syswm.h includes, as packages alone (their dependencies are the
# Wayland, audio and GL headers that building sdl12-compat does not need),
# GoogleTest's gmock, which its CMake files name, and the runtime root.
extras_for_release() { # ROOT RUNTIME LOG
    local root=$1 runtime=$2 log=$3 index deb file sum p
    index=$(ls "$root"/var/lib/apt/lists/*_Packages 2>/dev/null | head -1)
    [ -n "$index" ] || fail "debootstrap left no package index"
    for p in $headers_only; do
        read -r file sum < <(awk -v want="$p" '/^Package:/ { p = $2 } p == want && /^Filename:/ { f = $2 }
            p == want && /^SHA256:/ { print f, $2; exit }' "$index")
        [ -n "${file:-}" ] || fail "$p is not in the index"
        deb=$root/${file##*/}
        curl -fsSL -o "$deb" "$mirror/$file" 2>>"$log" || fail "cannot download $mirror/$file"
        echo "$sum  $deb" | sha256sum -c --quiet - >>"$log" 2>&1 || fail "$p does not match the index's checksum"
        as_root dpkg-deb -x "$deb" "$root" || fail "cannot unpack $p"
        as_root rm -f "$deb"
    done
    as_root mkdir -p "$runtime"
    for p in $(closure "$index" libc6 libsdl2-2.0-0); do
        deb=$(ls "$root"/var/cache/apt/archives/"${p}"_*.deb 2>/dev/null | head -1)
        [ -n "$deb" ] || fail "package $p, which SDL2 needs, was not downloaded"
        as_root dpkg-deb -x "$deb" "$runtime" 2>>"$log" || fail "cannot unpack $(basename "$deb") in the runtime root"
        echo "$p" | as_root tee -a "$runtime/.packages" >/dev/null
    done
    relative_links "$runtime"
    # The game links libstdc++ statically: no library of it may be needed.
    as_root rm -f "$runtime"/usr/lib/*/libstdc++.so*
    library_path "$runtime"
}

# debootstrap's first stage into ROOT, then every package it downloaded
# unpacked in (its first stage unpacks only the base); for a release root
# the extras and the runtime root in ROOT/.runtime.
make_root() { # ROOT
    local root=$1 log=$1.log keyopt=() deb p why
    echo "sysroot $arch: making it from $mirror $suite" >&2
    debian_suite_served "$suite"
    [ -n "${keyring:-}" ] && [ -f "$keyring" ] && keyopt=(--keyring="$keyring")
    if ! as_root debootstrap --foreign --variant=minbase --arch="$arch" "${keyopt[@]}" \
        --include="${packages// /,}" ${excluded:+--exclude="$excluded"} "$suite" "$root" "$mirror" >"$log" 2>&1; then
        why=$(grep -E "^E: |Couldn't|Failed|failed" "$log" | head -1)
        fail "debootstrap failed: ${why:-see $log}"
    fi
    # Its --exclude does not hold against dependencies: drop those here.
    for p in ${excluded//,/ }; do
        as_root rm -f "$root"/var/cache/apt/archives/"${p}"_*.deb
    done
    for deb in "$root"/var/cache/apt/archives/*.deb; do
        as_root dpkg-deb -x "$deb" "$root" 2>>"$log" || fail "cannot unpack $(basename "$deb")"
    done
    for p in $packages; do
        ls "$root"/var/cache/apt/archives/"${p}"_*.deb >/dev/null 2>&1 || fail "package $p was not downloaded"
    done
    relative_links "$root"
    if $release; then extras_for_release "$root" "$root/.runtime" "$log"; fi
    as_root rm -f "$root"/var/cache/apt/archives/*.deb
    as_root chown -R "$(id -u):$(id -g)" "$root"
    echo "$packages ${headers_only:-} without ${excluded//,/ }" >"$root/.sysroot-packages"
    rm -f "$log"
}

read -r mirror keyring < <(debian_mirror "$suite")
for tool in debootstrap dpkg-deb curl; do
    command -v $tool >/dev/null || fail "$tool is missing (scripts/install-deps.sh --cross installs it)"
done
CACHE_FUNCTIONS="relative_links closure extras_for_release library_path debian_suite_served"
root=$(cache_build "$name" make_root "text:$suite $arch: $packages ${headers_only:-} without $excluded")
if $print_runtime; then echo "$root/.runtime"; else echo "$root"; fi
