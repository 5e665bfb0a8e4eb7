#!/bin/sh
# Runs the Windows builds' tests under Wine, then compares the command line's answers under
# Linux and under Wine, installs, upgrades and removes the build's MSI, and installs both
# architectures' MSIs side by side. Each build has its own Wine prefix inside it, made on the
# first run; one Wine server stays up for the build's whole run, so that Wine starts once.
# Usage: run-windows-tests.sh LINUX_BUILD WINDOWS_BUILD...
set -eu
linux_build=$1
shift
export WINEDEBUG=-all
# A Wine run makes no menu entries of the desktop, whoever starts it.
export WINEDLLOVERRIDES=winemenubuilder.exe=d
for build in "$@"; do
    export WINEPREFIX="$(realpath "$build")/wine"
    # The windows under test are made without a screen: Wine's null graphics driver.
    . "$(dirname "$0")/wine-null-prefix.sh"
    wineserver --persistent=60 >/dev/null 2>&1 || true
    # The other build's camera library has the architecture this build's program cannot load.
    other=$build
    for candidate in "$@"; do
        [ "$candidate" = "$build" ] || other=$candidate
    done
    case $(file -b "$build/qumat/qumat.exe") in
    PE32+*) architecture="64-bit (x64)" ;;
    *) architecture="32-bit (x86)" ;;
    esac
    status=0
    (cd "$build" && ctest --output-on-failure) || status=1
    sh tests/windows/same_answers_test.sh "$linux_build/app/qumat" "$build/qumat/qumat.exe" \
        "$build/k47_4g_pc/k47_4g_pc.dll" || status=1
    sh tests/windows/shared_ledger_test.sh "$linux_build" "$build/qumat/qumat.exe" \
        "$build/k47_4g_pc/k47_4g_pc.dll" || status=1
    sh tests/windows/camera_library_loading_test.sh "$build/qumat/qumat.exe" \
        "$build/k47_4g_pc/k47_4g_pc.dll" "$other/k47_4g_pc/k47_4g_pc.dll" \
        "$build/tests/windows/fake_libusb0.dll" "$architecture" || status=1
    sh tests/windows/doctor_test.sh "$build/qumat/qumat.exe" "$build/k47_4g_pc/k47_4g_pc.dll" \
        "$other/k47_4g_pc/k47_4g_pc.dll" "$build/tests/windows/k47_4g_pc_incomplete.dll" \
        "$build/tests/windows/fake_libusb0.dll" \
        "$build/tests/windows/fake_libusb0_without_camera.dll" "$architecture" || status=1
    sh tests/windows/window_program_test.sh "$build/win32/qumat_pro.exe" \
        "$build/k47_4g_pc/k47_4g_pc.dll" "$build/tests/windows/window_probe.exe" \
        "$architecture" "$build/qumat/qumat.exe" || status=1
    sh tests/windows/msi_test.sh "$build" packaging/windows/qumat_pro.wxs || status=1
    # Both MSIs side by side, on the Windows that takes both: the 64-bit one.
    if [ "$architecture" = "64-bit (x64)" ] && [ "$other" != "$build" ]; then
        sh tests/windows/msi_side_by_side_test.sh "$build" "$other" || status=1
    fi
    wineserver --kill >/dev/null 2>&1 || true
    [ "$status" -eq 0 ] || exit 1
done
