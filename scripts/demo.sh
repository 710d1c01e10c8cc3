#!/usr/bin/env bash
# Installs, builds, prepares a demo workspace from the sample collection and starts Folivex on it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/bootstrap.sh
bash scripts/build.sh

root=$(pwd)
workspace="$root/build/demo-workspace"
if [ ! -e "$workspace/Barvella.mdb" ]; then
  mkdir -p "$workspace"
  build/samples/make_sample_workspace samples/cocktails.tsv "$workspace"
fi

# The host reads its settings beside its executable; an existing file is the user's and stays.
settings="$root/build/bin/Folivex.ini"
if [ ! -e "$settings" ]; then
  printf '[DEFAULT]\r\nHTMLOutDirectory=%s\r\nHTMLIndexFileName=index.html\r\nHTMLEditorPath=\r\nBrowseHTMLAfterCreate=1\r\nPluginName=Barvella.so\r\n' \
    "$workspace/site" >"$settings"
fi

# The plug-in keeps its files in the directory the host was started from.
cd "$workspace"
if [ -z "${DISPLAY:-}" ]; then
  echo "demo: no display found; starting under Xvfb (nothing will be visible)"
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$root/build/bin/Folivex"
fi
exec "$root/build/bin/Folivex"
