#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test tier (GUI tests under Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/bootstrap.sh
bash scripts/build.sh
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
  ctest --test-dir build --output-on-failure --no-tests=error -j2 "$@"
