#!/usr/bin/env bash
# Takes docs/screenshot-site.png: the site generated from the sample collection, opened in
# headless Chromium (installed here when missing; the tests do not need it).
# Usage: scripts/screenshot-site.sh [build directory, default build]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=$PWD/docs/screenshot-site.png
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if ! command -v chromium >/dev/null; then
  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq chromium >/dev/null
fi
"$build/samples/make_sample_workspace" samples/cocktails.tsv "$work"
"$build/bin/barvella" generate --dir "$work" --out "$work/site"
chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
  --disable-background-networking --disable-component-update --disable-sync \
  --user-data-dir="$work/profile" --window-size=1200,800 --screenshot="$out" \
  "file://$work/site/index.html" 2>/dev/null
echo "$out"
