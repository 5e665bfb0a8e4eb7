#!/bin/sh
# qumat.exe doctor under Wine: the camera library beside it or not, of the other architecture or
# without a function, and libusb0.dll missing or beside it, with the camera among its devices or
# without; each check's line, and exit status 0 only when all hold.
# Usage: doctor_test.sh QUMAT_EXE K47_DLL OTHER_ARCHITECTURE_K47_DLL INCOMPLETE_K47_DLL
#        FAKE_LIBUSB0_DLL FAKE_LIBUSB0_WITHOUT_CAMERA_DLL ARCHITECTURE
set -eu
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/program"
cp "$1" "$scratch/program/qumat.exe"
library=$2 other_architecture=$3 incomplete=$4 libusb=$5 libusb_without_camera=$6
architecture=$7
folder=$(winepath -w "$scratch/program")
needs="this program needs the camera maker's $architecture k47_4g_pc.dll beside it"
driver="install the camera's USB driver, libusb-win32 (libusb0.sys bound to the camera's vendor and product ID, and libusb0.dll), as the camera maker's installation brings it"

status=0
# doctor K47_DLL LIBUSB0_DLL EXPECTED_STATUS EXPECTED_LINE...: each line must be in the output.
doctor() {
    rm -f "$scratch/program/k47_4g_pc.dll" "$scratch/program/libusb0.dll"
    [ "$1" = none ] || cp "$1" "$scratch/program/k47_4g_pc.dll"
    [ "$2" = none ] || cp "$2" "$scratch/program/libusb0.dll"
    placed="$(basename "$1") and $(basename "$2")" expected_status=$3
    shift 3
    actual_status=0
    (cd "$scratch" && QUMAT_CHANGE_LOG=changes.log QUMAT_SYSTEM_LOG=off \
        wine program/qumat.exe doctor >output 2>&1) || actual_status=$?
    tr -d '\r' <"$scratch/output" >"$scratch/lines"
    for line in "$@"; do
        grep -qxF -- "$line" "$scratch/lines" || {
            printf 'doctor with %s: no line\n  %s\nin\n%s\n' "$placed" "$line" \
                "$(cat "$scratch/lines")" >&2
            status=1
        }
    done
    [ "$actual_status" -eq "$expected_status" ] || {
        printf 'doctor with %s: status %s, not %s\n' "$placed" "$actual_status" \
            "$expected_status" >&2
        status=1
    }
}

doctor none none 1 \
    "FAILED  camera library: the camera library was not found: no $folder\\k47_4g_pc.dll and no k47_4g_pc.dll on the library search path; $needs" \
    "FAILED  libusb: libusb0.dll was not found on the library search path; $driver" \
    "FAILED  camera on USB: not looked for without libusb"
doctor "$other_architecture" "$libusb" 1 \
    "FAILED  camera library: $folder\\k47_4g_pc.dll is not a $architecture library: $needs"
doctor "$incomplete" "$libusb" 1 \
    "FAILED  camera library: $folder\\k47_4g_pc.dll has no function Qumat_SetDefault, so it is not the camera library: $needs"
doctor "$library" "$libusb_without_camera" 1 \
    "ok      libusb: $folder\\libusb0.dll" \
    "FAILED  camera on USB: no device 070a:4026 on the USB buses; connect the camera and switch it on; if it is connected, Windows gave it another driver than libusb-win32's libusb0.sys: $driver"
doctor "$library" "$libusb" 0 \
    "ok      camera library: $folder\\k47_4g_pc.dll, $architecture, all 21 functions" \
    "ok      libusb: $folder\\libusb0.dll" \
    "ok      camera on USB: 070a:4026 at \\\\.\\libusb0-0002--0x070a-0x4026, served by libusb0.sys" \
    "ok      Language.ini folder: $(winepath -w "$scratch"), the current folder, takes Language.ini" \
    "ok      change log: changes.log is made at the first change" \
    "ok      system log: off (QUMAT_SYSTEM_LOG=off): the change log's hashes go nowhere else"
exit "$status"
