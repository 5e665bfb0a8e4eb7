#!/bin/sh
# Fails when an ELF file's run path has an empty or relative entry: the loader resolves those
# against the working directory, where anyone may have put a library of the same name.
set -eu
for file in "$@"; do
    readelf -h "$file" >/dev/null
done
bad=$(
    for file in "$@"; do
        readelf -d "$file" | sed -n 's/.*Library r[a-z]*path: \[\(.*\)\]$/\1/p' |
            while IFS= read -r path; do
                rest=$path:
                while [ -n "$rest" ]; do
                    entry=${rest%%:*}
                    rest=${rest#*:}
                    case $entry in
                    /* | '$ORIGIN' | '$ORIGIN/'* | '${ORIGIN}' | '${ORIGIN}/'*) ;;
                    *) echo "$file: run path '$path' has the entry '$entry'" ;;
                    esac
                done
            done
    done
)
[ -z "$bad" ] || {
    echo "$bad"
    exit 1
}
