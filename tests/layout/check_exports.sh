#!/usr/bin/env bash
# Fails when the plug-in exports anything but its entry points.
set -euo pipefail
expected=$(printf '%s\n' About AddItem CleanUp ClearList CopyItem CreateHTML DeleteItem EditItem Help Option \
  SearchItem StartUp ViewItem)
extra=$(comm -13 <(echo "$expected") <(nm -D --defined-only "$1" | awk '{print $3}' | sort))
if [ -n "$extra" ]; then
  echo "exported beyond the entry points:"; echo "$extra"
  exit 1
fi
