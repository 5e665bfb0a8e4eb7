#!/bin/sh
# The USB scan on Windows loads libusb0.dll when it runs: without it the scan prints nothing; with
# it, one "find amba dev:N" line for the camera among the devices libusb reports.
# Usage: usb_scan_test.sh USB_SCAN_PROBE_EXE FAKE_LIBUSB0_DLL
set -eu
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp "$1" "$scratch/usb_scan_probe.exe"

status=0
check() {
    expected=$1
    actual=$(wine "$scratch/usb_scan_probe.exe" | tr -d '\r')
    if [ "$actual" != "$expected" ]; then
        echo "with $(ls "$scratch" | tr '\n' ' '): expected '$expected', got '$actual'" >&2
        status=1
    fi
}
check ""
cp "$2" "$scratch/libusb0.dll"
# usb_find_devices reports two new devices; the camera is counted after them.
check "find amba dev:3"
exit "$status"
