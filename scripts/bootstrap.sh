#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, then the pinned checkers of the
# modern site (npm); installs only what is missing, so running it again is cheap and harmless.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libwxgtk3.2-dev
  libsqlite3-dev libsqlitecpp-dev sqlite3
  libcli11-dev
  googletest libgtest-dev libgmock-dev
  xvfb xauth xfonts-base fonts-ipafont-gothic
  imagemagick xdotool
  chromium
  default-jre-headless
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done
# Node may come from elsewhere than Debian (its own npm then conflicts with Debian's).
if ! command -v npm >/dev/null; then missing+=(nodejs npm); fi

if ((${#missing[@]} == 0)); then
  echo "bootstrap: all packages present"
else
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  echo "bootstrap: installing ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  echo "bootstrap: done"
fi
bash "$(dirname "$0")/install-site-checkers.sh"
