# Sourced by the picture scripts, from the repository's root:
#   source scripts/pictures-lib.sh BUILD_DIR [TARGET]
# Installs what the pictures need, builds TARGET (everything when none) when
# BUILD_DIR is build/windows, and leaves build (absolute). Starts Xvfb with a
# 1024 x 768 screen on a display of its own (pid in xvfb; the caller's EXIT
# trap must kill it, this file sets one that does until the caller sets its
# own) and readies the Wine prefix of the build for its X11 driver without a
# window manager, with Wine's own fonts.
bash scripts/install-deps.sh --pictures
build=$1
if [ "$build" = build/windows ]; then
    cmake --preset windows >/dev/null
    cmake --build --preset windows -j"$(nproc)" ${2:+--target "$2"} >/dev/null
fi
build=$(cd "$build" && pwd)
mkdir -p docs

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1
export DISPLAY=$display WINEPREFIX="$build/wineprefix" WINEARCH=win32 WINEDEBUG=-all
bash scripts/wine-run.sh "$build" cmd /c exit >/dev/null 2>&1 || true  # the prefix
# Without a window manager Wine must manage its windows itself.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wineserver -w
# Wine draws title bars in Tahoma with Marlett's buttons (without them the
# close box is a plain "r"). Debian's Wine does not find the fonts of its
# fonts-wine package where that puts them; in the prefix's Fonts folder it
# loads them like any installed font.
cp -u /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
