#!/bin/sh
# Takes pictures of the ten native windows under Wine at 96 and 144 dpi into FOLDER/96dpi and
# FOLDER/144dpi, and on a laptop's 1366 x 768 screen at 120 dpi (125 %), where the settings window
# scrolls, into FOLDER/120dpi-1366x768. The windows need a screen: an X server of its own in memory
# (Xvfb), with Wine drawing the title bars itself, as no window manager runs there. The Wine
# prefix, set up for this, is the gallery's own, inside the build.
# Usage: windows-gallery.sh WINDOWS_BUILD FOLDER
set -eu
build=$(realpath "$1")
folder=$2
export WINEPREFIX="$build/gallery-wine" WINEDEBUG=-all WINEDLLOVERRIDES=winemenubuilder.exe=d
export WINEPATH="$build/k47_4g_pc"
mkdir -p "$folder"
folder=$(realpath "$folder")
[ -d "$WINEPREFIX" ] || wineboot --init >/dev/null 2>&1
for shot in 96:1920x1200:96dpi 144:1920x1200:144dpi 120:1366x768:120dpi-1366x768; do
    dpi=${shot%%:*}
    screen=${shot#*:}
    screen=${screen%%:*}
    name=${shot##*:}
    rm -rf "${folder:?}/$name"
    xvfb-run -a -s "-screen 0 ${screen}x24" sh -c "
        wine reg add 'HKCU\\Software\\Wine\\X11 Driver' /v Managed /d N /f >/dev/null &&
        wine reg add 'HKCU\\Control Panel\\Desktop' /v LogPixels /t REG_DWORD /d $dpi /f >/dev/null &&
        wineserver --wait &&
        wine '$build/win32/qumat_gallery.exe' \"\$(winepath -w '$folder/$name')\""
done
wineserver --kill >/dev/null 2>&1 || true
