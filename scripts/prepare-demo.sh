#!/usr/bin/env bash
# Prepares the demo workspace from the sample collection and never overwrites what exists:
# Barvella.mdb (imported with barvella), Barvella.ini and BarvellaTC.fvxcmt (a readable design
# and a top-page comment), and the host's Folivex.ini naming Barvella.so, the demo's site
# directory and "index.html". Starts nothing.
# Usage: scripts/prepare-demo.sh BUILD_DIR WORKSPACE [FOLIVEX_INI]   (default BUILD_DIR/bin/Folivex.ini)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "$1")
workspace=$(realpath -m "$2")
settings=${3:-$build/bin/Folivex.ini}

# Settings files hold CP932 text with CR LF line ends, as the programs write them.
cp932() { sed 's/$/\r/' | iconv -f UTF-8 -t CP932; }

mkdir -p "$workspace"
if [ ! -e "$workspace/Barvella.mdb" ]; then
  "$build/bin/barvella" import --dir "$workspace" "$root/samples/cocktails.csv"
fi
if [ ! -e "$workspace/Barvella.ini" ]; then
  cp932 <"$root/samples/demo-settings.ini" >"$workspace/Barvella.ini"
fi
if [ ! -e "$workspace/BarvellaTC.fvxcmt" ]; then
  cp932 <"$root/samples/demo-top-comment.html" >"$workspace/BarvellaTC.fvxcmt"
fi
if [ ! -e "$settings" ]; then
  printf '[DEFAULT]\nHTMLOutDirectory=%s\nHTMLIndexFileName=index.html\nHTMLEditorPath=\nBrowseHTMLAfterCreate=1\nPluginName=Barvella.so\n' \
    "$workspace/site" | cp932 >"$settings"
fi
echo "demo workspace: $workspace"
