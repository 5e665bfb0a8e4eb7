#!/bin/sh
# Takes pictures of the ten native windows under Wine at 96 and 144 dpi into FOLDER/96dpi and
# FOLDER/144dpi. The windows need a screen: an X server of its own in memory (Xvfb), with Wine
# drawing the title bars itself, as no window manager runs there. The Wine prefix, set up for
# this, is the gallery's own, inside the build.
# Usage: windows-gallery.sh WINDOWS_BUILD FOLDER
set -eu
build=$(realpath "$1")
folder=$2
export WINEPREFIX="$build/gallery-wine" WINEDEBUG=-all WINEDLLOVERRIDES=winemenubuilder.exe=d
export WINEPATH="$build/k47_4g_pc"
mkdir -p "$folder"
folder=$(realpath "$folder")
run() {
    xvfb-run -a -s "-screen 0 1920x1200x24" sh -c "$1"
}
[ -d "$WINEPREFIX" ] || wineboot --init >/dev/null 2>&1
for dpi in 96 144; do
    rm -rf "${folder:?}/${dpi}dpi"
    run "wine reg add 'HKCU\\Software\\Wine\\X11 Driver' /v Managed /d N /f >/dev/null &&
         wine reg add 'HKCU\\Control Panel\\Desktop' /v LogPixels /t REG_DWORD /d $dpi /f >/dev/null &&
         wineserver --wait &&
         wine '$build/win32/qumat_gallery.exe' \"\$(winepath -w '$folder/${dpi}dpi')\""
done
wineserver --kill >/dev/null 2>&1 || true
