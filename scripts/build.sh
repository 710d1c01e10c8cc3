#!/usr/bin/env bash
# Configures (once) and builds the whole tree into build/. Extra configure options come from
# FOLIVEX_CMAKE_ARGS (CI passes -DFOLIVEX_WERROR=ON).
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck disable=SC2086
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo ${FOLIVEX_CMAKE_ARGS:-} >/dev/null
cmake --build build -j"$(nproc)"
