#!/bin/sh
# The build's MSI under Wine: it installs the package's files in Program Files, its entry in the
# list of installed programs names this project as publisher, the folder and the program's icon,
# qumat.exe runs there, and with the emulated camera's library copied beside it (as an
# administrator puts the maker's) reads a camera and qumat_pro.exe opens its login window; an MSI
# of a newer version replaces it (one entry in the uninstall list, the new version's files, the
# administrator's library kept); removing it takes away every file it installed. Runs in the Wine
# prefix WINEPREFIX names.
# Usage: msi_test.sh WINDOWS_BUILD WXS
set -eu
# The Start-menu entry must not become a menu entry of the desktop in the user's home.
export WINEDLLOVERRIDES=winemenubuilder.exe=d
build=$(realpath "$1")
wxs=$2
files=$build/package/files
msi=$(ls "$build"/package/qumat_pro-*-windows-*.msi)
version=$(basename "$msi" | sed 's/^qumat_pro-\(.*\)-windows-.*$/\1/')
newer=$(echo "$version" | awk -F. '{ $NF = $NF + 1; print }' OFS=.)
case $msi in
*-x64.msi)
    architecture=x64 title="qumat_pro (64-bit)" view=/reg:64 folder="Program Files"
    menu_entry=qumat_pro
    ;;
*)
    architecture=x86 title="qumat_pro (32-bit)" view=/reg:32 folder="Program Files (x86)"
    menu_entry="qumat_pro (32-bit)"
    ;;
esac
# A 32-bit prefix has one Program Files folder.
[ -d "$WINEPREFIX/drive_c/$folder" ] || folder="Program Files"
installed=$WINEPREFIX/drive_c/$folder/qumat_pro
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

status=0
fail() {
    echo "$(basename "$msi"): $*" >&2
    status=1
}

# The product code and version of each installed product of this title, one a line.
products() {
    wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s "$view" |
        tr -d '\r' | awk -v title="$title" '
            function flush() { if (name == title) print key, version }
            /^HKEY/ { flush(); key = $0; sub(/.*\\/, "", key); name = ""; version = "" }
            $1 == "DisplayName" { name = substr($0, index($0, "REG_SZ") + 10) }
            $1 == "DisplayVersion" { version = $3 }
            END { flush() }'
}

# A value of the installed product's entry in the list of installed programs.
entry() {
    wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\'"$code" /v "$1" \
        "$view" | tr -d '\r' | awk -v name="$1" '$1 == name { sub(/^ *[^ ]+ +[^ ]+ +/, ""); print }'
}

# Every file of the package is installed, as the package holds it.
check_files() {
    (cd "$files" && find . -type f) | while read -r file; do
        cmp -s "$files/$file" "$installed/$file" || echo "$file"
    done
}

shortcut() {
    find "$WINEPREFIX/drive_c" -name "$menu_entry.lnk"
}

# What an earlier run left installed goes first.
products | while read -r code _; do wine msiexec /x "$code" /qn; done
rm -rf "$installed"

wine msiexec /i "$msi" /qn || fail "msiexec /i exited $?"
[ -z "$(check_files)" ] || fail "not installed as packaged: $(check_files)"
[ ! -e "$installed/k47_4g_pc.dll" ] || fail "a camera library was installed beside qumat.exe"
[ "$(wine "$installed/qumat.exe" --version | tr -d '\r')" = "qumat $version" ] ||
    fail "the installed qumat.exe --version does not say qumat $version"
[ "$(products | cut -d' ' -f2)" = "$version" ] || fail "uninstall list: $(products)"
code=$(products | cut -d' ' -f1)
[ "$(entry Publisher)" = "qumat_pro project" ] || fail "published by '$(entry Publisher)'"
[ "$(entry InstallLocation)" = "C:\\$folder\\qumat_pro\\" ] ||
    fail "installed in '$(entry InstallLocation)', says the list"
# The installer keeps the product's icon for the list, as the package holds it.
cmp -s "$WINEPREFIX/drive_c/windows/Installer/$code/qumat_pro.ico" "$build/package/qumat_pro.ico" ||
    fail "the list of installed programs has not the program's icon"
if [ -f "$files/qumat_pro.exe" ]; then
    # The shortcut starts the window program in the user's own folder, which the installer made.
    user_folder=$(wine cmd /c echo %LOCALAPPDATA% | tr -d '\r')\\qumat_pro
    [ -d "$(winepath -u "$user_folder")" ] || fail "no $user_folder"
    strings -el "$(shortcut)" | grep -qF "$user_folder" ||
        fail "the shortcut does not start in $user_folder"
fi

cp "$installed/emulated-camera/k47_4g_pc.dll" "$installed/"
ssid=$(cd "$scratch" && QUMAT_PASSWORD=000000 K47_CAMERA_STATE=camera.ini QUMAT_CHANGE_LOG=off \
    wine "$installed/qumat.exe" get network.ssid | tr -d '\r')
[ "$ssid" = FieldOffice ] || fail "qumat.exe with the emulated camera beside it read '$ssid'"
(cd "$scratch" && wine "$build/tests/windows/window_probe.exe" "Corvane 4.1" \
    "$(winepath -w "$installed/qumat_pro.exe")" >/dev/null) ||
    fail "the installed qumat_pro.exe opened no login window"

# The newer version: the same files, its manual one line longer.
cp -r "$files" "$scratch/files"
cp "$build/package/qumat_pro.ico" "$scratch/"
echo "version $newer" >>"$scratch/files/qumat.txt"
window_program=""
[ -f "$files/qumat_pro.exe" ] && window_program="-D WindowProgram=yes"
wxs=$(realpath "$wxs")
# wixl takes sources relative to its folder only.
# shellcheck disable=SC2086
(cd "$scratch" && wixl -a "$architecture" -D "Arch=$architecture" -D "Version=$newer" \
    -D Files=files -D Icon=qumat_pro.ico $window_program -o newer.msi "$wxs")
wine msiexec /i "$scratch/newer.msi" /qn || fail "msiexec /i of version $newer exited $?"
[ "$(products | cut -d' ' -f2)" = "$newer" ] || fail "uninstall list after the upgrade: $(products)"
cmp -s "$scratch/files/qumat.txt" "$installed/qumat.txt" || fail "the upgrade kept the old qumat.txt"
[ -f "$installed/k47_4g_pc.dll" ] || fail "the upgrade removed the administrator's camera library"

wine msiexec /x "$scratch/newer.msi" /qn || fail "msiexec /x exited $?"
[ -z "$(products)" ] || fail "still in the uninstall list: $(products)"
left=$( (cd "$files" && find . -type f) | while read -r file; do
    [ ! -e "$installed/$file" ] || echo "$file"
done)
[ -z "$left" ] || fail "left after removal: $left"
[ -z "$(shortcut)" ] || fail "shortcut left after removal: $(shortcut)"
rm -rf "$installed"
exit "$status"
