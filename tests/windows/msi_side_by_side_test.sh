#!/bin/sh
# The 64-bit and the 32-bit MSI installed together on a 64-bit Windows under Wine: each has its own
# Start-menu entry, program folder and registry value, and removing either leaves the other's
# entry, value and program working, its program opening its login window in the user's folder,
# which the two share. Runs in the Wine prefix WINEPREFIX names, a 64-bit one.
# Usage: msi_side_by_side_test.sh WIN64_BUILD WIN32_BUILD
set -eu
# The Start-menu entries must not become menu entries of the desktop in the user's home.
export WINEDLLOVERRIDES=winemenubuilder.exe=d
msi_x64=$(ls "$1"/package/qumat_pro-*-windows-x64.msi)
msi_x86=$(ls "$2"/package/qumat_pro-*-windows-x86.msi)
probe=$(realpath "$1/tests/windows/window_probe.exe")
user_folder=$(wine cmd /c echo %LOCALAPPDATA% | tr -d '\r')\\qumat_pro
status=0
fail() {
    echo "msi_side_by_side_test: $*" >&2
    status=1
}

# architecture ARCH: sets msi, entry (the Start-menu entry's name) and folder for x64 or x86.
architecture() {
    case $1 in
    x64) msi=$msi_x64 entry=qumat_pro folder="C:\\Program Files\\qumat_pro" ;;
    x86) msi=$msi_x86 entry="qumat_pro (32-bit)" folder="C:\\Program Files (x86)\\qumat_pro" ;;
    esac
}

shortcut() {
    find "$WINEPREFIX/drive_c" -name "$1.lnk"
}

# The architecture's entry starts its own program in the user's folder, where that program, with
# the emulated camera's library put beside it, opens its login window and writes Language.ini.
works() {
    architecture "$1"
    link=$(shortcut "$entry")
    [ -n "$link" ] || { fail "no Start-menu entry $entry"; return; }
    # A link holds its target in the code page's bytes, its working folder in UTF-16.
    texts=$(strings -a "$link" && strings -a -el "$link")
    printf '%s\n' "$texts" | grep -qxF "$folder\\qumat_pro.exe" || fail "$entry starts no $folder"
    printf '%s\n' "$texts" | grep -qF "$user_folder" || fail "$entry does not start in $user_folder"
    wine reg query 'HKCU\Software\qumat_pro' /v "StartMenuShortcut-$1" >/dev/null 2>&1 ||
        fail "no registry value StartMenuShortcut-$1"
    cp "$(winepath -u "$folder")/emulated-camera/k47_4g_pc.dll" "$(winepath -u "$folder")/"
    user=$(winepath -u "$user_folder")
    rm -f "$user/Language.ini"
    (cd "$user" && wine "$probe" "Corvane 4.1" "$folder\\qumat_pro.exe" >/dev/null) ||
        fail "$entry's program opened no login window"
    [ -f "$user/Language.ini" ] || fail "$entry's program wrote no Language.ini in $user_folder"
    rm -f "$user/Language.ini"
}

# What an earlier run left installed goes first.
for msi in "$msi_x64" "$msi_x86"; do
    wine msiexec /x "$msi" /qn >/dev/null 2>&1 || true
done

for removed in x64 x86; do
    kept=x86
    [ "$removed" = x64 ] || kept=x64
    for msi in "$msi_x64" "$msi_x86"; do
        wine msiexec /i "$msi" /qn || fail "msiexec /i $(basename "$msi") exited $?"
    done
    works x64
    works x86
    architecture "$removed"
    wine msiexec /x "$msi" /qn || fail "msiexec /x $(basename "$msi") exited $?"
    [ -z "$(shortcut "$entry")" ] || fail "$entry left after its removal"
    works "$kept"
    architecture "$kept"
    wine msiexec /x "$msi" /qn || fail "msiexec /x $(basename "$msi") exited $?"
done
# The libraries put beside the programs are the administrator's, which removal leaves.
for removed in x64 x86; do
    architecture "$removed"
    rm -rf "$(winepath -u "$folder")"
done
exit "$status"
