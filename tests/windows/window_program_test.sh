#!/bin/sh
# qumat_pro.exe under Wine: alone, it says in a box which camera library it needs; with the
# emulated camera's library beside it, it refuses a code page variable that names none in a box,
# and otherwise opens the start edition's login window and writes the language file into its
# folder; asked --doctor, it answers as qumat.exe doctor beside it does, where its output goes.
# Runs in the Wine prefix WINEPREFIX names.
# Usage: window_program_test.sh WINDOW_PROGRAM CAMERA_LIBRARY WINDOW_PROBE ARCHITECTURE QUMAT_EXE
set -eu
program=$1
library=$2
probe=$(realpath "$3")
architecture=$4
qumat=$5
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

cp "$qumat" "$scratch/"
for asked in "qumat_pro.exe --doctor" "qumat.exe doctor"; do
    answer_status=0
    # shellcheck disable=SC2086
    (cd "$scratch" && QUMAT_CHANGE_LOG=changes.log QUMAT_SYSTEM_LOG=off wine $asked \
        >"$scratch/answer" 2>&1) || answer_status=$?
    echo "status $answer_status" >>"$scratch/answer"
    mv "$scratch/answer" "$scratch/${asked%% *}.answer"
done
cmp -s "$scratch/qumat_pro.exe.answer" "$scratch/qumat.exe.answer" ||
    fail "qumat_pro.exe --doctor does not answer as qumat.exe doctor: $(cat "$scratch/qumat_pro.exe.answer")"
grep -q '^ok      camera library: ' "$scratch/qumat_pro.exe.answer" ||
    fail "qumat_pro.exe --doctor printed no checks"
exit "$status"
