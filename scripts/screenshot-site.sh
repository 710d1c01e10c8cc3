#!/usr/bin/env bash
# Takes docs/screenshot-site.png: the site generated from the demo workspace, opened in
# headless Chromium (installed by bootstrap.sh).
# Usage: scripts/screenshot-site.sh [build directory, default build]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=$PWD/docs/screenshot-site.png
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

bash scripts/prepare-demo.sh "$build" "$work/workspace" "$work/Folivex.ini" >/dev/null
"$build/bin/barvella" generate --dir "$work/workspace" --out "$work/site" >/dev/null
chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
  --disable-background-networking --disable-component-update --disable-sync \
  --user-data-dir="$work/profile" --window-size=1200,800 --screenshot="$out" \
  "file://$work/site/index.html" 2>/dev/null
echo "$out"
