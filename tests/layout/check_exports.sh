#!/usr/bin/env bash
# Fails unless the plug-in exports exactly its thirteen entry points.
set -euo pipefail
expected=$(printf '%s\n' About AddItem CleanUp ClearList CopyItem CreateHTML DeleteItem EditItem Help Option \
  SearchItem StartUp ViewItem)
actual=$(nm -D --defined-only "$1" | awk '{print $3}' | sort)
if [ "$actual" != "$expected" ]; then
  diff <(echo "$expected") <(echo "$actual") || true
  exit 1
fi
