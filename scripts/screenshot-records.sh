#!/usr/bin/env bash
# Takes the record screenshots under docs/: the record dialog in add mode with a cocktail typed
# in, the search dialog with a condition chosen, and the added cocktail in the record dialog's
# view mode. The real Folivex runs with Barvella.so on the sample workspace under Xvfb, with a
# small window manager for the captions, and is worked with xdotool as a user would.
# Usage: scripts/screenshot-records.sh [build directory, default build]
set -euo pipefail
cd "$(dirname "$0")/.."

# Inside the X session: the steps a user takes. xdotool only sends input, so each step
# leaves the program a moment to take it in before the next one.
if [ "${1:-}" = --session ]; then
  work=$2 docs=$3
  openbox >/dev/null 2>&1 &
  cd "$work/workspace"
  "$work/program/Folivex" >/dev/null 2>&1 &
  host=$!
  settle() { sleep 1; }
  keys() { xdotool key --delay 100 "$@"; settle; }
  typed() { xdotool type --delay 30 "$1"; settle; }
  at() { xdotool mousemove --window "$1" "$2" "$3" click 1; settle; }
  # The window that has the focus, once it is the one called $1.
  window() {
    local id
    until id=$(xdotool getactivewindow 2>/dev/null) && [ "$(xdotool getwindowname "$id")" = "$1" ]; do settle; done
    echo "$id"
  }
  shoot() { settle; import -frame -window "$1" "$docs/$2"; }

  # Until the plug-in offers every entry point, the host warns at start-up, before its window.
  until main=$(xdotool search --onlyvisible --name ' - Folivex$'); do
    for box in $(xdotool search --onlyvisible --name '^Folivex$'); do xdotool windowactivate --sync "$box" key Return; done
    settle
  done
  title=$(xdotool getwindowname "$main")
  xdotool windowactivate --sync "$main"
  at "$main" 100 100
  keys Insert
  add=$(window 'カクテルの追加')
  at "$add" 254 13
  typed 'ブラック・ルシアン'
  keys Tab B
  keys Tab && typed 'ウォッカ'
  keys Tab Down Down
  keys Tab Down Down Down Down
  keys Tab && typed 'ロック'
  keys Tab && typed 'バー・ミナト'
  keys Tab && typed 'ウォッカ'
  keys Tab && typed '40'
  keys Tab Down
  at "$add" 507 204
  typed 'コーヒー・リキュール'
  keys Tab && typed '20'
  keys Tab Down
  at "$add" 507 204
  at "$add" 159 325 && typed '氷を入れたオールド・ファッションド・グラスに注ぎ、軽くステアする。'
  keys Tab && typed '生クリームを浮かべるとホワイト・ルシアン。'
  shoot "$add" screenshot-record-add.png
  at "$add" 402 393

  window "$title" >/dev/null
  keys alt+e s
  search=$(window 'カクテルの検索')
  keys Down Down Tab Down Down
  shoot "$search" screenshot-record-search.png
  at "$search" 350 84

  window "$title" >/dev/null
  at "$main" 100 100
  keys Return
  view=$(window 'カクテルの詳細表示')
  shoot "$view" screenshot-record-view.png
  kill "$host"
  exit 0
fi

build=${1:-build}
missing=()
for package in xdotool openbox; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q '^install ok installed$' || missing+=("$package")
done
if ((${#missing[@]})); then
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/program" "$work/workspace"
cp "$build/bin/Folivex" "$build/bin/Barvella.so" "$build/bin/Barvella.txt" "$work/program/"
printf '[DEFAULT]\r\nPluginName=Barvella.so\r\n' >"$work/program/Folivex.ini"
"$build/bin/barvella" import --dir "$work/workspace" samples/cocktails.csv >/dev/null
xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" --session "$work" "$PWD/docs"
ls docs/screenshot-record-*.png
