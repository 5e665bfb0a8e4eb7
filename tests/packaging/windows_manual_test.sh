#!/bin/sh
# The manual the Windows packages ship (qumat.txt, made from the README) speaks Windows: no Unix
# shell examples, no build notes, CRLF line ends, and the sections its text points to are there.
# Usage: windows_manual_test.sh SOURCE_DIR
set -eu
source_dir=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cmake -DREADME="$source_dir/README.md" -DOUTPUT="$scratch/qumat.txt" \
    -P "$source_dir/cmake/readme-sections.cmake"
tr -d '\r' <"$scratch/qumat.txt" >"$scratch/lf.txt"

status=0
# Unix shell, build folders and make targets, as they would stand in an example or a note.
if grep -nE '^(export|printf) |\$PWD|\$\(|build-win|build/|make |```sh' "$scratch/lf.txt"; then
    echo "qumat.txt shows the lines above, which are not for Windows" >&2
    status=1
fi
if [ "$(grep -c "$(printf '\r')\$" "$scratch/qumat.txt")" -ne "$(wc -l <"$scratch/qumat.txt")" ]; then
    echo "qumat.txt has lines that do not end in CR LF" >&2
    status=1
fi
for section in "## Command line" "## The change log" "## Windows"; do
    grep -qx "$section" "$scratch/lf.txt" || { echo "qumat.txt has no '$section'" >&2; status=1; }
done
exit "$status"
