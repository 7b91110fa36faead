#!/usr/bin/env bash
# Runs a program of the Windows build under Wine with what it needs: the script's own Wine
# prefix, the folders of the DLLs it loads (the cross-built Qt and libraries, the mingw
# runtime) and Taipei's time zone, as the Linux tests have. scripts/windows.sh uses it for the
# tests (as the build's CMAKE_CROSSCOMPILING_EMULATOR), the screenshots and the comparisons.
#   wine-run.sh PROGRAM.exe [ARGUMENTS...]
#   VANTOR39_WINE_PACKED=1 wine-run.sh ...   for the zip's or the installer's programs
set -euo pipefail
cache=${VANTOR39_WINDOWS_CACHE:-$HOME/.cache/vantor39-windows}
export WINEPREFIX=${VANTOR39_WINEPREFIX:-$cache/wine}
export WINEDEBUG=${WINEDEBUG:--all}
export TZ=Asia/Taipei LC_ALL=C.UTF-8
windows_path() { printf 'Z:%s' "${1//\//\\}"; }
gcc_runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
# A packed program must find every DLL beside itself: VANTOR39_WINE_PACKED=1 names no other folder.
if [ "${VANTOR39_WINE_PACKED:-}" = 1 ]; then
  unset WINEPATH
else
  export WINEPATH="$(windows_path "$cache/prefix/bin");$(windows_path "$gcc_runtime");$(windows_path /usr/x86_64-w64-mingw32/lib)"
fi
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  WINEDLLOVERRIDES="mscoree,mshtml=" "$wine" wineboot --init >/dev/null 2>&1
  # Debian's Wine does not load the fonts it ships: the Latin default goes into the prefix.
  cp /usr/share/wine/fonts/tahoma*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
fi
exec "$wine" "$@"
