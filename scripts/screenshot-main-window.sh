#!/usr/bin/env bash
# Takes docs/screenshot-main-window.png: Folivex as the demo command (scripts/demo.sh) starts
# it under Xvfb, with the sample collection in its list.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$PWD/docs/screenshot-main-window.png
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

xvfb-run -a -s "-screen 0 1280x1024x24 -br" bash -c '
  bash scripts/demo.sh >"$1/demo.log" 2>&1 &
  demo=$!
  # The main window shows once the build is done and the plug-in has filled the list.
  for _ in $(seq 600); do
    if xdotool search --onlyvisible --name "Barvella.so - Folivex" >/dev/null; then break; fi
    kill -0 "$demo" 2>/dev/null || { cat "$1/demo.log"; exit 1; }
    sleep 1
  done
  sleep 1
  import -window root "$1/root.png"
  kill "$demo"
' _ "$work"
# Without a window manager the window sits at the top left of a black screen.
convert "$work/root.png" -trim +repage "$out"
echo "$out"
