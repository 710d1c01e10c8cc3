#!/usr/bin/env bash
# Fails when docs/RELIABILITY.md names a test that does not exist: a renamed or dropped test
# would leave a fault with no proof behind it. Arguments: the source and the build directory.
set -euo pipefail
names=$(ctest --test-dir "$2" -N | sed -n 's/^ *Test *#[0-9]*: //p')
status=0
for named in $(grep -o '`[A-Z][A-Za-z]*\.[A-Z][A-Za-z]*\*\{0,1\}`' "$1/docs/RELIABILITY.md" | tr -d '`' | sort -u); do
  if ! grep -q "^${named%\*}" <<<"$names" || { [[ $named != *'*' ]] && ! grep -qx "$named" <<<"$names"; }; then
    echo "docs/RELIABILITY.md names $named, which no test is called"
    status=1
  fi
done
exit $status
