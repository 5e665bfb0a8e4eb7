#!/bin/sh
# qumat_pro.exe under Wine: alone, it says in a box which camera library it needs; with the
# emulated camera's library beside it, it refuses a code page variable that names none in a box,
# and otherwise opens the start edition's login window and writes the language file into its
# folder. Runs in the Wine prefix WINEPREFIX names.
# Usage: window_program_test.sh WINDOW_PROGRAM CAMERA_LIBRARY WINDOW_PROBE ARCHITECTURE
set -eu
program=$1
library=$2
probe=$(realpath "$3")
architecture=$4
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
fail() {
    echo "window_program_test: $*" >&2
    status=1
}

cp "$program" "$scratch/"
box=$(cd "$scratch" && wine "$probe" qumat_pro qumat_pro.exe | tr -d '\r') ||
    fail "no box without the camera library"
case $box in
*k47_4g_pc.dll*"$architecture"*) ;;
*) fail "the box does not name k47_4g_pc.dll and $architecture: $box" ;;
esac

cp "$library" "$scratch/"
# A code page variable that names none: a box says which it takes, and no window opens.
box=$(cd "$scratch" && QUMAT_ANSI_CODE_PAGE=65001 wine "$probe" qumat_pro qumat_pro.exe |
    tr -d '\r') || fail "no box for a code page variable that names none"
case $box in
*"QUMAT_ANSI_CODE_PAGE='65001' names no ANSI code page: it takes 874, 932"*) ;;
*) fail "the box does not refuse the code page variable: $box" ;;
esac
[ ! -e "$scratch/Language.ini" ] || fail "a refused start wrote the language file"

(cd "$scratch" && wine "$probe" "Corvane 4.1" qumat_pro.exe >/dev/null) ||
    fail "no login window with the camera library beside it"
grep -q '=1' "$scratch/Language.ini" 2>/dev/null ||
    fail "the first start did not write the language file"
exit "$status"
