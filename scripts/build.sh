#!/usr/bin/env bash
# Builds the whole tree into build/, configuring it first when it has not been configured
# (RelWithDebInfo unless told otherwise). Configure options come from FOLIVEX_CMAKE_ARGS (CI
# passes -DFOLIVEX_WERROR=ON -DCMAKE_BUILD_TYPE=Release); without them an existing build keeps
# the configuration it has, so the demo after CI rebuilds nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ ! -f build/CMakeCache.txt ] || [ -n "${FOLIVEX_CMAKE_ARGS:-}" ]; then
  # shellcheck disable=SC2086
  cmake -S . -B build ${FOLIVEX_CMAKE_ARGS:-} >/dev/null
fi
cmake --build build -j"$(nproc)"
