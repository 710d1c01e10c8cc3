#!/usr/bin/env bash
# Fails when a file of the GUI-free libraries includes a wx header.
set -euo pipefail
cd "$1"
if grep -rnE '#[[:space:]]*include[[:space:]]*[<"]wx/' plugin/store plugin/core plugin/site common --exclude-dir=wx; then
  exit 1
fi
