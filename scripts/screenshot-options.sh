#!/usr/bin/env bash
# Takes docs/screenshot-options-design.png and docs/screenshot-options-files.png: the real host
# under Xvfb with Barvella.so, the plug-in's option sheet opened from the menu as a user would,
# on its "デザイン" page and on its "生成ファイル" page.
# Usage: scripts/screenshot-options.sh [build directory, default build]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
docs=$PWD/docs

if ! command -v xdotool >/dev/null; then
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" apt-get install -y xdotool
fi

# A workspace of its own: the host's settings, and plug-in settings that fill the pages.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$build/bin/Folivex" "$build/bin/Barvella.so" "$work/"
printf '[DEFAULT]\r\nPluginName=Barvella.so\r\n' >"$work/Folivex.ini"
printf '%s\r\n' '[DESIGN]' 'BACKGROUND=back.gif' 'BGCOLOR=#FFFFF0' 'FRAMEBORDER=1' 'FRAMESPACING=2' \
  'FRAMERESIZE=0' 'BORDERCOLOR=#808080' '[FILE]' 'MASTERPAGE=0' >"$work/Barvella.ini"

xvfb-run -a -s "-screen 0 1280x1024x24 -br" bash -c '
  set -euo pipefail
  cd "$1"
  ./Folivex &
  host=$!
  trap "kill $host" EXIT
  # The main window is titled after the plug-in; a bare "Folivex" is one of the host'"'"'s
  # message boxes (a plug-in short of entry points is reported), which OK dismisses.
  until main=$(xdotool search --onlyvisible --name " - Folivex\$" | head -1) && [ -n "$main" ]; do
    if box=$(xdotool search --onlyvisible --name "^Folivex\$" | head -1) && [ -n "$box" ]; then
      xdotool windowfocus --sync "$box" key Return
    fi
    sleep 0.2
  done
  xdotool windowfocus --sync "$main"
  xdotool key --clearmodifiers alt+s p
  # xdotool does not match the Japanese caption; the window tree names it.
  until sheet=$(xwininfo -root -tree | awk "/\"ｵﾌﾟｼｮﾝ設定 - Barvella\"/ { print \$1 }") && [ -n "$sheet" ]; do
    sleep 0.2
  done
  # Without a window manager nothing says when GTK has painted; give it a moment.
  sleep 1
  import -window "$sheet" "$2/screenshot-options-design.png"
  # The pages are listed on the left, one row each; "生成ファイル" is the fourth.
  xdotool mousemove --window "$sheet" 45 77 click 1
  sleep 1
  import -window "$sheet" "$2/screenshot-options-files.png"
' _ "$work" "$docs"
echo "$docs/screenshot-options-design.png" "$docs/screenshot-options-files.png"
