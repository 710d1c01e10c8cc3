#!/usr/bin/env bash
# Writes the modern site of the sample collection (the demo workspace, imported with
# barvella) and checks it: the Nu HTML checker finds no error in any page or in the stylesheet; Lighthouse scores the top page and a cocktail page, served
# with charset=utf-8, at least 0.95 in each of its four categories; at 360 px no page scrolls
# sideways; the search page finds a cocktail by a typed ingredient.
# Usage: scripts/check-modern-site.sh BUILD_DIR SCRATCH   (exit 0 when every check passes)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "$1")
scratch=$(realpath -m "$2")
site=$scratch/site
rm -rf "$site" "$scratch/workspace"
mkdir -p "$scratch"
bash "$root/scripts/prepare-demo.sh" "$build" "$scratch/workspace" "$scratch/Folivex.ini" >/dev/null
"$build/bin/barvella" generate --style modern --dir "$scratch/workspace" --out "$site" >/dev/null
checkers=${SITE_CHECKERS_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/folivex-site-checkers}
SITE_CHECKERS_DIR=$checkers bash "$root/scripts/install-site-checkers.sh" >/dev/null
failed=0

echo "Nu HTML checker:"
if java -jar "$checkers/node_modules/vnu-jar/build/dist/vnu.jar" --errors-only --skip-non-html --also-check-css "$site"; then
  echo "  no errors in $(find "$site" -name '*.html' | wc -l) pages and the stylesheet"
else
  failed=1
fi

python3 "$root/scripts/serve-site.py" "$site" >"$scratch/port" &
server=$!
trap 'kill "$server"' EXIT
until [ -s "$scratch/port" ]; do
  kill -0 "$server" 2>/dev/null || { echo "the local server did not start" >&2; exit 1; }
  sleep 0.1
done
base="http://127.0.0.1:$(cat "$scratch/port")/"

flags="--headless --no-sandbox --disable-gpu --disable-quic --no-first-run --disable-background-networking"
flags+=" --disable-component-update --disable-sync"
cocktail=$(grep -o 'href="cocktail-[0-9]*\.html"' "$site/all.html" | head -1 | cut -d'"' -f2)
echo "Lighthouse (at least 0.95 each):"
for page in index.html "$cocktail"; do
  report="$scratch/lighthouse-${page%.html}.json"
  node "$checkers/node_modules/lighthouse/cli/index.js" "$base$page" --quiet --chrome-path=/usr/bin/chromium \
    --chrome-flags="$flags --user-data-dir=$scratch/lighthouse-profile-${page%.html}" \
    --only-categories=performance,accessibility,best-practices,seo --output=json --output-path="$report"
  node -e '
    const report = require(process.argv[1]);
    const scores = Object.values(report.categories).map((c) => `${c.id} ${c.score}`);
    console.log(`  ${process.argv[2]}: ${scores.join(", ")}`);
    const low = Object.values(report.categories).filter((c) => !(c.score >= 0.95));
    for (const c of low)
      for (const ref of c.auditRefs)
        if (ref.weight > 0 && report.audits[ref.id].score !== null && report.audits[ref.id].score < 1)
          console.error(`    ${c.id}: ${ref.id} ${report.audits[ref.id].score}`);
    process.exit(low.length === 0 ? 0 : 1);' "$report" "$page" || failed=1
done

echo "Chromium at 360 px, and the search:"
if node "$root/scripts/check-modern-site.mjs" "$checkers/node_modules" "$base" "$scratch/phone-profile" \
  "ベルモット" "マティーニ"; then
  echo "  no sideways scroll; the search finds マティーニ by ベルモット"
else
  failed=1
fi
exit "$failed"
