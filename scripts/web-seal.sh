#!/usr/bin/env bash
# Seals a built page folder: writes the sizes of the game's three files into
# its index.html (one loading bar counts all their bytes) and writes its
# service worker, whose cache is named by the hashes of every other file there.
#   scripts/web-seal.sh PAGE_DIR     (the last step of scripts/web.sh)
set -euo pipefail
dir=${1:?usage: web-seal.sh PAGE_DIR}
worker=$(dirname "$0")/../web/sw.js

sizes=$(for file in gp2x-rpg.js gp2x-rpg.wasm gp2x-rpg.data; do
    [ -f "$dir/$file" ] || { echo "web-seal: $dir/$file is missing" >&2; exit 1; }
    printf '"%s": %d\n' "$file" "$(stat -c %s "$dir/$file")"
done | paste -sd, -)
sed -i "s|<script type=\"application/json\" id=\"sizes\">.*</script>|<script type=\"application/json\" id=\"sizes\">{$sizes}</script>|" \
    "$dir/index.html"
grep -q "id=\"sizes\">{\"gp2x-rpg.js\"" "$dir/index.html" || { echo "web-seal: no sizes in $dir/index.html" >&2; exit 1; }

files=$(cd "$dir" && find . -maxdepth 1 -type f ! -name sw.js -printf '%P\n' | LC_ALL=C sort)
version=$(cd "$dir" && sha256sum $files | sha256sum | cut -c1-16)
list=$(printf '"./"'; for file in $files; do printf ', "%s"' "$file"; done)
sed "/^\"use strict\";/a const VERSION = \"$version\";\nconst FILES = [$list];" "$worker" >"$dir/sw.js"
