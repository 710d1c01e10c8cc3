#!/usr/bin/env bash
# The Windows tier: builds the Windows programs and the zip (scripts/build-windows.sh), then
# under Xvfb and a fresh Wine prefix runs the unit and GUI tests, holds the site that
# barvella.exe writes to the committed snapshot (through the Linux end-to-end test, so the
# Linux build is made too), and starts Folivex.exe from the zip on its sample collection.
# Every Wine call is bounded in time. FOLIVEX_WINDOWS_SCREENSHOT=FILE keeps a screenshot of it.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
screen="-screen 0 1280x1024x24 -noreset"

if [ -z "${FOLIVEX_IN_XVFB:-}" ]; then
  bash scripts/build-windows.sh
  bash scripts/bootstrap.sh
  FOLIVEX_IN_XVFB=1 exec xvfb-run -a -s "$screen" bash "$0" "$@"
fi

WINEPREFIX=$(mktemp -d /tmp/folivex-wine.XXXXXX)
export WINEPREFIX WINEARCH=win64 WINEDEBUG=-all
# No Mono or Gecko installer dialogs: nothing here needs them.
export WINEDLLOVERRIDES="mscoree,mshtml="
scratch=$(mktemp -d /tmp/folivex-windows.XXXXXX)
cleanup() {
  timeout 30 wineserver -k 2>/dev/null || true
  rm -rf "$WINEPREFIX" "$scratch"
}
trap cleanup EXIT

echo "test-windows: preparing the Wine prefix"
# One wineserver for the whole run, not one started and stopped around every test program.
wineserver -p
timeout -k 10 300 wine wineboot --init >/dev/null 2>&1
timeout -k 10 60 wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
# The dialogs ask for IPAPGothic by name; the main window uses the system's own face, which a
# Japanese Windows draws Japanese with and Wine does not: it is given IPAPGothic too.
ln -sf /usr/share/fonts/opentype/ipafont-gothic/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
for face in 'MS Shell Dlg' 'MS Shell Dlg 2' Tahoma 'MS UI Gothic'; do
  timeout -k 10 60 wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
    /v "$face" /t REG_SZ /d IPAPGothic /f >/dev/null 2>&1
done

echo "test-windows: unit and GUI tests under Wine"
ctest --test-dir build-windows --output-on-failure --no-tests=error -j2 -L 'unit|gui'

echo "test-windows: the site of barvella.exe against the snapshot"
# shellcheck disable=SC2086
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo ${FOLIVEX_CMAKE_ARGS:-} >/dev/null
nice cmake --build build -j2 --target site_e2e_tests Barvella barvella
FOLIVEX_TEST_BARVELLA="'$root/scripts/wine-run.sh' '$root/build-windows/bin/barvella.exe'" \
  build/tests/site_e2e_tests --gtest_filter=SiteEndToEnd.GenerateCommandAndToolWriteTheSameSite

echo "test-windows: Folivex.exe from the zip on its sample collection"
unzip -q dist/Folivex-*-win64.zip -d "$scratch"
sample=$(echo "$scratch"/Folivex-*/Sample)
(cd "$sample" && exec timeout -k 10 300 wine ../Folivex.exe >/dev/null 2>&1) &
# The title names the plug-in once it is loaded; the list is filled before the window shows.
if ! window=$(timeout 120 xdotool search --sync --onlyvisible --name '^Barvella\.dll - Folivex$' | head -n1); then
  echo "test-windows: Folivex.exe never showed its window" >&2
  exit 1
fi
# A message box (caption Folivex or Barvella) would mean the start-up failed.
if xdotool search --onlyvisible --name '^(Folivex|Barvella)$' >/dev/null; then
  echo "test-windows: Folivex.exe started with a message box" >&2
  exit 1
fi
xdotool windowsize "$window" 1000 640 windowmove "$window" 0 0
if [ -n "${FOLIVEX_WINDOWS_SCREENSHOT:-}" ]; then
  # Taken once two captures in a row agree: the window has finished painting.
  timeout 60 bash -c '
    previous=""
    while :; do
      import -window root -crop 1000x640+0+0 +repage "$1"
      current=$(md5sum <"$1")
      [ "$current" = "$previous" ] && break
      previous=$current
    done' _ "$FOLIVEX_WINDOWS_SCREENSHOT"
fi
echo "test-windows: all passed"
