#!/usr/bin/env bash
# Installs the pinned checkers of the modern site (Nu HTML checker, Lighthouse) into one folder
# with npm; Java and Chromium come from Debian (scripts/bootstrap.sh). A second run that finds
# the pinned versions in place does nothing.
set -euo pipefail

dir=${SITE_CHECKERS_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/folivex-site-checkers}
vnu_version=26.9.27
lighthouse_version=12.2.3

installed() {
  [ -f "$dir/node_modules/$1/package.json" ] &&
    node -e 'process.exit(require(process.argv[1]).version === process.argv[2] ? 0 : 1)' \
      "$dir/node_modules/$1/package.json" "$2"
}

if installed vnu-jar "$vnu_version" && installed lighthouse "$lighthouse_version"; then
  echo "site checkers: present in $dir"
  exit 0
fi
mkdir -p "$dir"
[ -f "$dir/package.json" ] || echo '{"private": true}' >"$dir/package.json"
npm install --prefix "$dir" --no-audit --no-fund --save-exact \
  "vnu-jar@$vnu_version" "lighthouse@$lighthouse_version" >/dev/null
echo "site checkers: installed in $dir"
