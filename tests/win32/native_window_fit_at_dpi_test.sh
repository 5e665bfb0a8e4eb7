#!/bin/sh
# The native windows' fit test again at 120 and 144 dpi, the desktop settings of 125 % and 150 %,
# in a Wine prefix of its own inside the build (made on the first run), whose DPI it sets; the
# other tests keep their prefix at 96 dpi.
# Usage: native_window_fit_at_dpi_test.sh FIT_TEST PREFIX
set -eu
fit_test=$1
WINEPREFIX=$(realpath -m "$2")
export WINEPREFIX
. "$(dirname "$0")/../../scripts/wine-null-prefix.sh"
status=0
for dpi in 120 144; do
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
        >/dev/null 2>&1
    echo "At $dpi dpi:"
    QUMAT_TEST_DPI=$dpi wine "$fit_test" || status=1
done
wineserver --kill >/dev/null 2>&1 || true
exit "$status"
