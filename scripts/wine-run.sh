#!/bin/bash
# Runs a Windows test program under Wine in a throw-away 32-bit prefix inside
# the build tree: wine-run.sh BUILD_DIR PROGRAM.exe [ARGS...]
# The prefix is made on first use (under a lock, since ctest may run tests in
# parallel), with the null graphics driver so that dialogs and message boxes
# work without an X server. Set STATS_WINE_X=1 (and DISPLAY) to use X instead.
set -e
build_dir=$(cd "$1" && pwd)
shift
export WINEPREFIX="$build_dir/wineprefix"
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
(
    flock 9
    if [ ! -f "$WINEPREFIX/.stats-ready" ]; then
        rm -rf "$WINEPREFIX"
        wineboot -i >/dev/null 2>&1 || true
        wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
        wineserver -w
        touch "$WINEPREFIX/.stats-ready"
    fi
) 9>"$build_dir/wineprefix.lock"
if [ "${STATS_WINE_X:-0}" = 1 ]; then
    wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d x11 /f >/dev/null 2>&1
    wineserver -w  # the driver is chosen when the server starts
    status=0
    wine "$@" || status=$?
    wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
    wineserver -w
    exit $status
fi
unset DISPLAY
exec wine "$@"
