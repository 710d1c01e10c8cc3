#!/usr/bin/env bash
# Takes docs/screenshot-main-window.png: the host under Xvfb with the recording test
# plug-in's five Japanese columns and a few rows, tool bar and status bar.
# Usage: scripts/screenshot-main-window.sh [build directory, default build]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=$PWD/docs/screenshot-main-window.png
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A program directory of its own, so the settings the host writes stay out of the build.
cp "$build/bin/Folivex" "$build/tests/plugins/RecordingPlugin.so" "$work/"
printf '[DEFAULT]\r\nPluginName=RecordingPlugin.so\r\n' >"$work/Folivex.ini"

xvfb-run -a -s "-screen 0 1280x1024x24 -br" bash -c '
  cd "$1"
  FOLIVEX_RECORDING_FILL=1 ./Folivex &
  host=$!
  sleep 4
  import -window root "$1/root.png"
  kill "$host"
' _ "$work"
# Without a window manager the window sits at the top left of a black screen.
convert "$work/root.png" -trim +repage "$out"
echo "$out"
