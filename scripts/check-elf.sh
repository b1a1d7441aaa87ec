#!/usr/bin/env bash
# Reads every ELF file of each release folder and prints, per file and per
# folder, the newest glibc symbol version it asks for and its NEEDED
# libraries. Fails when a file asks for a newer glibc than VERSION, for any
# GLIBCXX version (libstdc++ is linked in), or for a library that is neither
# glibc's own nor bundled in the folder.
#   scripts/check-elf.sh --glibc VERSION FOLDER...
set -euo pipefail
[ "${1:-}" = "--glibc" ] && [ -n "${2:-}" ] || { echo "usage: check-elf.sh --glibc VERSION FOLDER..." >&2; exit 2; }
glibc_max=$2
shift 2
# The libraries glibc itself installs (any loader name).
glibc_libs='^(libc\.so\.6|libm\.so\.6|libdl\.so\.2|libpthread\.so\.0|librt\.so\.1|libresolv\.so\.2|libutil\.so\.1|ld-linux[-a-z0-9_.]*\.so\.[0-9]+)$'
[ $# -gt 0 ] || { echo "usage: check-elf.sh --glibc VERSION FOLDER..." >&2; exit 2; }
violations=0

# Prints the version names FILE asks for, one a line.
versions() { readelf -V --wide "$1" | sed -n 's/.*Name: \([A-Z_]*[0-9.]*\) .*Flags.*/\1/p' | sort -u; }
needed() { readelf -d "$1" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'; }
newest_glibc() { grep '^GLIBC_[0-9]' | sed 's/^GLIBC_//' | sort -V | tail -1; }

for folder in "$@"; do
    [ -d "$folder" ] || { echo "check-elf: no folder $folder" >&2; exit 2; }
    # What the folder bundles: the names of its shared libraries.
    bundled=$(find "$folder" -type f -name '*.so*' -printf '%f\n' | sort -u)
    all_versions="" all_needed=""
    while IFS= read -r -d '' file; do
        head -c 4 "$file" | grep -q $'^\x7fELF' || continue
        v=$(versions "$file")
        n=$(needed "$file" | sort -u)
        newest=$(newest_glibc <<<"$v")
        all_versions+="$v"$'\n'
        all_needed+="$n"$'\n'
        echo "  ${file#"$folder"/}: GLIBC_${newest:-none}, NEEDED ${n//$'\n'/ }"
        if [ -n "$newest" ] && [ "$(printf '%s\n%s\n' "$newest" "$glibc_max" | sort -V | tail -1)" != "$glibc_max" ]; then
            echo "    VIOLATION: asks for GLIBC_$newest, newer than GLIBC_$glibc_max"
            violations=$((violations + 1))
        fi
        if grep -q '^GLIBCXX' <<<"$v"; then
            echo "    VIOLATION: asks for libstdc++ ($(grep '^GLIBCXX' <<<"$v" | tail -1))"
            violations=$((violations + 1))
        fi
        for lib in $n; do
            grep -Eq "$glibc_libs" <<<"$lib" && continue
            grep -qxF "$lib" <<<"$bundled" && continue
            echo "    VIOLATION: needs $lib, neither glibc's nor in the folder"
            violations=$((violations + 1))
        done
    done < <(find "$folder" -type f -print0 | sort -z)
    echo "$folder: $(du -sb "$folder" | cut -f1) bytes; newest glibc GLIBC_$(newest_glibc <<<"$all_versions");" \
        "NEEDED $(grep . <<<"$all_needed" | sort -u | tr '\n' ' ')"
done
if [ $violations -gt 0 ]; then
    echo "check-elf: $violations violations" >&2
    exit 1
fi
echo "check-elf: no violations"
