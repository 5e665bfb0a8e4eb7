#!/bin/sh
# qumat.exe loads k47_4g_pc.dll when a command needs the camera, from its own folder first, then
# from the library search path; without a library it can use, such a command fails with exit
# status 2 and one line naming the file, what it is not, and the architecture needed, while help,
# the version and the log still work.
# Usage: camera_library_loading_test.sh QUMAT_EXE K47_DLL OTHER_ARCHITECTURE_K47_DLL NOT_K47_DLL
#        ARCHITECTURE   (ARCHITECTURE as the message words it: "64-bit (x64)" or "32-bit (x86)")
set -eu
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/program" "$scratch/path"
cp "$1" "$scratch/program/qumat.exe"
library=$2 other_architecture=$3 not_the_library=$4 architecture=$5
beside="$(winepath -w "$scratch/program")\\k47_4g_pc.dll"
needs="this program needs the camera maker's $architecture k47_4g_pc.dll beside it"

status=0
# check DLL_BESIDE EXPECTED_STATUS EXPECTED_TEXT COMMAND...: the text is the start of what the
# command prints on stdout and stderr together.
check() {
    rm -f "$scratch/program/k47_4g_pc.dll"
    [ "$1" = none ] || cp "$1" "$scratch/program/k47_4g_pc.dll"
    placed=$(basename "$1") expected_status=$2 expected=$3
    shift 3
    actual_status=0
    (cd "$scratch" && QUMAT_PASSWORD=000000 K47_CAMERA_STATE=camera.ini \
        QUMAT_CHANGE_LOG=changes.log wine program/qumat.exe "$@" >output 2>&1) || actual_status=$?
    actual=$(tr -d '\r' <"$scratch/output")
    case "$actual" in
    "$expected"*) [ "$actual_status" -eq "$expected_status" ] && return ;;
    esac
    printf 'qumat %s with %s beside it: expected status %s and\n  %s\ngot status %s and\n  %s\n' \
        "$*" "$placed" "$expected_status" "$expected" "$actual_status" "$actual" >&2
    status=1
}
check none 2 "qumat: the camera library was not found: no $beside and no k47_4g_pc.dll on the library search path; $needs" show
check none 0 "Usage: qumat" --help
check none 0 "qumat " --version
check none 0 "" log
check "$other_architecture" 2 "qumat: $beside is not a $architecture library: $needs" get network.ssid
# A text file named as the library is no Windows library at all, whatever its architecture.
printf 'notes about the camera\r\n' >"$scratch/notes.txt"
check "$scratch/notes.txt" 2 "qumat: $beside is not a Windows library: $needs" get network.ssid
check "$not_the_library" 2 "qumat: $beside has no function Init_Device, so it is not the camera library: $needs" show
check "$library" 0 "FieldOffice" get network.ssid
# Not beside the program: the library search path (PATH) is looked through next.
WINEPATH=$(winepath -w "$scratch/path")
export WINEPATH
cp "$scratch/notes.txt" "$scratch/path/k47_4g_pc.dll"
check none 2 "qumat: k47_4g_pc.dll on the library search path is not a Windows library: $needs" show
cp "$library" "$scratch/path/k47_4g_pc.dll"
check none 0 "FieldOffice" get network.ssid
exit "$status"
