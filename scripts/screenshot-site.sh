#!/usr/bin/env bash
# Takes docs/screenshot-site.png (the entry page) and docs/screenshot-site-cocktail.png (the
# first sample cocktail's page) of the classic site generated from the demo workspace, and
# docs/screenshot-modern-*.png of the modern site at desktop and phone widths, in headless
# Chromium (installed by bootstrap.sh).
# Usage: scripts/screenshot-site.sh [build directory, default build]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

bash scripts/prepare-demo.sh "$build" "$work/workspace" "$work/Folivex.ini" >/dev/null
"$build/bin/barvella" generate --style classic --dir "$work/workspace" --out "$work/site" >/dev/null
"$build/bin/barvella" generate --style modern --dir "$work/workspace" --out "$work/site/modern" >/dev/null
shoot() {
  chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --user-data-dir="$work/profile" --window-size="$1" --screenshot="$PWD/docs/$2" ${4:-} \
    "file://$work/site/$3" 2>/dev/null
  echo "docs/$2"
}
shoot 1200,800 screenshot-site.png index.html
shoot 900,400 screenshot-site-cocktail.png fvxcocktail1.html
# A phone shows no scroll bar beside the page.
shoot 1280,800 screenshot-modern-top.png modern/index.html
shoot 1280,800 screenshot-modern-cocktail.png modern/cocktail-1.html
shoot 360,800 screenshot-modern-phone-cocktail.png modern/cocktail-1.html --hide-scrollbars
shoot 360,1100 screenshot-modern-phone-search.png "modern/search.html?ingredient=%E3%83%A9%E3%82%A4%E3%83%A0" \
  --hide-scrollbars
