#!/bin/sh
# Measures the native windows under Wine against bare dialogs (the build's own prefix, with Wine's
# null graphics driver), and prints the size of each stripped program.
# Usage: windows-bench.sh WINDOWS_BUILD
set -eu
build=$(realpath "$1")
export WINEPREFIX="$build/wine" WINEDEBUG=-all WINEDLLOVERRIDES=winemenubuilder.exe=d
. "$(dirname "$0")/wine-null-prefix.sh"
status=0
wine "$build/tests/windows/native_window_bench.exe" || status=1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
echo
for program in win32/qumat_pro.exe qumat/qumat.exe; do
    x86_64-w64-mingw32-strip -o "$scratch/program.exe" "$build/$program"
    printf '%-44s %6d kB stripped\n' "$(basename "$program")" \
        $(( $(wc -c < "$scratch/program.exe") / 1024 ))
done
exit $status
