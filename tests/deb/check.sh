#!/usr/bin/env bash
# Installs the desktop package with the dependencies it names on a clean
# Debian 12 root (debootstrap, minbase), starts it as a player would, from its
# desktop entry's Exec line with a fresh HOME under Xvfb, and checks that the
# game saved in $HOME/.local/share/gp2x-rpg.
#   tests/deb/check.sh [PACKAGE.deb]     (default: scripts/deb.sh makes it)
# The root is kept as a tarball in the cache entry deb-root-SUITE
# (scripts/lib/cache.sh) and unpacked afresh for every run.
set -euo pipefail
shopt -s inherit_errexit
. "$(dirname "$0")/../../scripts/lib/common.sh"
RPG_NAME="deb check"
cd "$RPG_REPO"
started=$(date +%s)
elapsed() { echo "$(($(date +%s) - started)) s"; }

deb=$(realpath "${1:-$(bash scripts/deb.sh)}")
cmake -S . -B build >/dev/null
cmake --build build -j"$RPG_JOBS" --target save_and_quit replay >/dev/null

# The clean root of this machine's suite, as a tarball in the cache.
make_clean_root() { # OUT
    local fresh mirror
    read -r mirror _ < <(debian_mirror "$HOST_SUITE")
    echo "deb check: making the clean $HOST_SUITE root from $mirror" >&2
    fresh=$(mktemp -d)
    as_root debootstrap --variant=minbase "$HOST_SUITE" "$fresh/root" "$mirror" >"$1/debootstrap.log" 2>&1 ||
        { as_root rm -rf "$fresh"; fail "debootstrap failed, see $1/debootstrap.log"; }
    as_root rm -f "$fresh"/root/var/cache/apt/archives/*.deb
    as_root tar -C "$fresh/root" -cf "$1/root.tar" .
    as_root rm -rf "$fresh"
}
tarball=$(cache_build "deb-root-$HOST_SUITE" make_clean_root "text:$HOST_SUITE minbase")/root.tar

work=$(mktemp -d)
root=$work/root
mounts=()
cleanup() {
    local i
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
        as_root umount -l "${mounts[$i]}" 2>/dev/null || true
    done
    # Never delete through a mount that is still there.
    if grep -q " $root/" /proc/mounts; then
        echo "deb check: $root is still mounted; left in place" >&2
    else
        as_root rm -rf "$work"
    fi
}
rpg_on_exit cleanup
bind() { # HOST_PATH ROOT_PATH [mount options...]
    as_root mkdir -p "$root$2"
    as_root mount "${@:3}" "$1" "$root$2"
    mounts+=("$root$2")
}

as_root mkdir -p "$root"
as_root tar -C "$root" -xf "$tarball"
as_root cp /etc/resolv.conf "$root/etc/resolv.conf"
bind proc /proc -t proc
bind /dev /dev --bind
# X's socket folder, made as X makes it when no server has run yet.
[ -d /tmp/.X11-unix ] || as_root mkdir -m 1777 /tmp/.X11-unix
bind /tmp/.X11-unix /tmp/.X11-unix --bind
as_root mkdir -p "$root/opt/check"
as_root cp "$deb" build/tests/libsave_and_quit.so "$root/opt/check/"
in_root() { as_root chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive "$@"; }

# What the package names and nothing more: no recommended packages.
log=$work/apt.log
if ! in_root sh -c "apt-get update && apt-get install -y --no-install-recommends /opt/check/$(basename "$deb")" >"$log" 2>&1; then
    fail "apt-get could not install the package: $(grep -E '^E:' "$log" | head -3)"
fi
echo "deb check: installed with $(grep -c '^Setting up' "$log") packages, $(elapsed) from the start"
in_root dpkg-query -W -f '${Status}' libsdl1.2-compat-shim 2>/dev/null | grep -q "install ok installed" ||
    fail "apt chose the classic SDL 1.2 over sdl12-compat"

# The desktop entry's command, without its field codes, as the menu runs it.
desktop=$root/usr/share/applications/gp2x-rpg.desktop
[ -f "$desktop" ] || fail "no desktop entry at /usr/share/applications/gp2x-rpg.desktop"
exec_line=$(sed -n 's/^Exec=//p' "$desktop" | sed 's/ *%[fFuUick]//g')
[ -n "$exec_line" ] || fail "the desktop entry has no Exec line"

xvfb_start 640x480x24

# A player of their own, with a HOME nobody has played in.
home=/home/player
as_root mkdir -p "$root$home"
as_root chown 65534:65534 "$root$home"
status=0
# A login shell takes the PATH of a player's session from the root's /etc/profile.
as_root timeout 120 chroot --userspec=65534:65534 "$root" env -i HOME="$home" \
    DISPLAY="$DISPLAY" SDL_AUDIODRIVER=dummy LD_PRELOAD=/opt/check/libsave_and_quit.so \
    sh -lc "exec $exec_line" >"$work/game.log" 2>&1 || status=$?
[ $status -eq 124 ] && fail "the game did not save and leave within 120 s: $(head -c 300 "$work/game.log")"
[ $status -eq 0 ] || fail "'$exec_line' ended with status $status: $(head -c 300 "$work/game.log")"

folder=$root$home/.local/share/gp2x-rpg
save=$folder/gamesave.dat
[ -f "$save" ] || fail "no save in \$HOME/.local/share/gp2x-rpg: $(ls -A "$root$home" | tr '\n' ' ')"
[ "$(stat -c %u "$save")" = 65534 ] || fail "the save is not the player's own"
installed_media=$(in_root dpkg -L gp2x-rpg | grep '/Media$')
[ "$(readlink "$folder/Media")" = "$installed_media" ] ||
    fail "Media in the player's folder is not a link to the installed data"
[ "$(build/replay --position "$save")" = "$(build/replay --start)" ] || fail "the save does not hold the start position"
count_results deb 1 0
echo "deb check: started from its desktop entry ('$exec_line'), saved in \$HOME/.local/share/gp2x-rpg; $(elapsed) in all"
