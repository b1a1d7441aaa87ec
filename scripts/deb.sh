#!/usr/bin/env bash
# Makes the desktop's Debian package, dist/gp2x-rpg_VERSION_ARCH.deb, with
# CPack in build-deb/: its dependencies are computed from the game by
# dpkg-shlibdeps. Then runs desktop-file-validate, appstreamcli and lintian on
# it and prints their findings. Prints the package's path last.
set -euo pipefail
. "$(dirname "$0")/lib/common.sh"
cd "$RPG_REPO"
bash scripts/install-deps.sh --deb >&2
# Debian's build flags, hardening included, as a package build would set them.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
LDFLAGS=$(dpkg-buildflags --get LDFLAGS) \
cmake -S . -B build-deb -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr -DRPG_CXX98=ON \
    -DRPG_TESTS=OFF -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
cmake --build build-deb -j"$RPG_JOBS" --target gp2x-rpg media desktop-files >&2
rm -f dist/gp2x-rpg_*.deb
(cd build-deb && cpack -G DEB >&2)
deb=$(ls dist/gp2x-rpg_*.deb)

# The validators read the installed files as the package holds them.
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
status=0
echo "desktop-file-validate:" >&2
desktop-file-validate "$unpacked"/usr/share/applications/*.desktop >&2 || status=1
# --no-net: the screenshot's address is not fetched. appstreamcli fails on
# warnings too; only its errors (E:) fail here, the rest is listed.
echo "appstreamcli validate:" >&2
found=$(appstreamcli validate --no-net --pedantic "$unpacked"/usr/share/metainfo/*.xml 2>&1) || true
echo "$found" >&2
grep -q '^E:' <<<"$found" && status=1
echo "lintian:" >&2
lintian --display-info --pedantic "$deb" >&2 || status=1
printf '%s: %s bytes, Depends: %s\n' "$deb" "$(stat -c %s "$deb")" "$(dpkg-deb -f "$deb" Depends)" >&2
[ $status -eq 0 ] || fail "a validator reported errors"
echo "$deb"
