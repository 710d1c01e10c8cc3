#!/usr/bin/env bash
# Fails unless the plug-in exports exactly its thirteen entry points: the dynamic symbols of
# Barvella.so, the export table of Barvella.dll.
set -euo pipefail
expected=$(printf '%s\n' About AddItem CleanUp ClearList CopyItem CreateHTML DeleteItem EditItem Help Option \
  SearchItem StartUp ViewItem)
case "$1" in
  *.dll)
    actual=$(x86_64-w64-mingw32-objdump -p "$1" |
      awk '/^\[Ordinal\/Name Pointer\] Table/ { table = 1; next } table && /^\t\[/ { print $NF; next } { table = 0 }' |
      sort) ;;
  *) actual=$(nm -D --defined-only "$1" | awk '{print $3}' | sort) ;;
esac
if [ "$actual" != "$expected" ]; then
  diff <(echo "$expected") <(echo "$actual") || true
  exit 1
fi
