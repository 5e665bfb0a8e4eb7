# Sourced: makes $WINEPREFIX when it is missing and sets it to Wine's null graphics driver, for
# windows made without a screen. A Wine server started before that setting (by wineboot on a new
# prefix, or by the setting's own command) has no graphics driver for the windows to come, so it
# is stopped; the next Wine run starts one that reads the setting.
[ -d "$WINEPREFIX" ] || wineboot --init >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
wineserver --kill >/dev/null 2>&1 || true
wineserver --wait >/dev/null 2>&1 || true
