#!/usr/bin/env bash
# Installs, builds, prepares the demo workspace (build/demo-workspace) from the sample
# collection when it is missing, and starts Folivex on it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/bootstrap.sh
bash scripts/build.sh

root=$(pwd)
workspace="$root/build/demo-workspace"
bash scripts/prepare-demo.sh build "$workspace"

# The plug-in keeps its files in the directory the host was started from.
cd "$workspace"
if [ -z "${DISPLAY:-}" ]; then
  echo "demo: no display found; starting under Xvfb (nothing will be visible)"
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$root/build/bin/Folivex"
fi
exec "$root/build/bin/Folivex"
