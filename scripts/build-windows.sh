#!/usr/bin/env bash
# Cross-builds the Windows x64 deliverables with mingw-w64 and packs them into
# dist/Folivex-<version>-win64.zip.
#
# wxWidgets for Windows (MSW, static) comes from Debian's source package and is built once into
# a fixed prefix outside the clone, named by a stamp of its version, its configure flags and the
# compiler; later runs on the same machine reuse it. FOLIVEX_WIN_ROOT moves that prefix.
# FOLIVEX_CMAKE_ARGS adds configure options (CI passes -DFOLIVEX_WERROR=ON).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

win_root=${FOLIVEX_WIN_ROOT:-/opt/folivex-win}
host_triplet=x86_64-w64-mingw32
cc=$host_triplet-gcc-posix
cxx=$host_triplet-g++-posix

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

install_packages() {
  local packages=(
    g++-mingw-w64-x86-64-posix mingw-w64-tools libz-mingw-w64-dev dpkg-dev
    wine wine64 fonts-wine fonts-ipafont
    cmake ccache zip
  )
  local missing=() p
  for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
      missing+=("$p")
    fi
  done
  if ((${#missing[@]} == 0)); then return; fi
  echo "build-windows: installing ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
}

# apt-get source needs a deb-src entry; this adds one for the Debian archive already configured
# (same address and suites) and says so.
fetch_wx_source() {
  local src_dir=$win_root/src
  if compgen -G "$src_dir/wxwidgets3.2-*/configure" >/dev/null; then return; fi
  local deb_src=/etc/apt/sources.list.d/folivex-deb-src.sources
  if ! grep -rqs '^Types:.*deb-src\|^deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    local sources=/etc/apt/sources.list.d/debian.sources
    local uris suites
    uris=$(awk '/^URIs:/ { print $2; exit }' "$sources")
    suites=$(awk '/^Suites:/ { $1 = ""; print; exit }' "$sources")
    echo "build-windows: adding a deb-src entry for $uris ($suites) in $deb_src"
    printf 'Types: deb-src\nURIs: %s\nSuites:%s\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
      "$uris" "$suites" | "${sudo_cmd[@]}" tee "$deb_src" >/dev/null
    "${sudo_cmd[@]}" apt-get update -qq
  fi
  "${sudo_cmd[@]}" mkdir -p "$src_dir"
  "${sudo_cmd[@]}" chown "$(id -u):$(id -g)" "$win_root" "$src_dir"
  (cd "$src_dir" && apt-get source -qq wxwidgets3.2 >/dev/null)
}

# Host and plug-in share one wx, as they do on Linux: a wx linked into each of them would give the
# plug-in a second wx with no application and no windows of the host. So wx is one DLL, with
# the C and C++ runtimes linked into it. Only what the programs use is built: wxBase and wxCore
# without the controls, dialogs and libraries they never show; XPM images need no image
# libraries.
wx_configure_flags=(
  --host=$host_triplet --build=x86_64-linux-gnu
  --with-msw --enable-shared --enable-monolithic --enable-unicode
  --with-zlib=sys --without-libpng --without-libjpeg --without-libtiff --without-liblzma
  --without-expat --without-regex --without-opengl --without-nanosvg --disable-svg
  --disable-xrc --disable-html --disable-htmlhelp --disable-webview --disable-mediactrl
  --disable-stc --disable-ribbon --disable-propgrid --disable-aui --disable-richtext
  --disable-webrequest --disable-sound --disable-joystick --disable-sockets --disable-ipc
  --disable-protocols --disable-url --disable-fs_inet --disable-fs_zip --disable-zipstream
  --disable-tarstream --disable-grid --disable-dataviewctrl --disable-treelist
  --disable-calendar --disable-datepick --disable-timepick --disable-animatectrl
  --disable-collpane --disable-commandlinkbutton --disable-filectrl --disable-fontpicker
  --disable-headerctrl --disable-hyperlink --disable-infobar --disable-notifmsg
  --disable-printarch --disable-postscript --disable-rearrangectrl --disable-splash
  --disable-splitter --disable-tipwindow --disable-wizarddlg --disable-aboutdlg
  --disable-busyinfo --disable-fontdlg --disable-finddlg --disable-numberdlg
  --disable-tipdlg --disable-mdi --disable-mdidoc --disable-docview --disable-richmsgdlg
  --disable-addremovectrl --disable-bannerwindow --disable-richtooltip --disable-treebook
  --disable-toolbook --disable-choicebook --disable-dragimage
  --disable-miniframe --disable-taskbarbutton --disable-taskbaricon --disable-uiactionsim
  --disable-privatefonts --disable-secretstore --disable-searchctrl --disable-bmpcombobox
  --disable-tests
)

build_wx() {
  local src
  src=$(compgen -G "$win_root/src/wxwidgets3.2-*/configure" | head -n1)
  src=$(dirname "$src")
  local wx_version stamp
  wx_version=$(basename "$src")
  stamp=$(printf '%s\n' "$wx_version" "${wx_configure_flags[*]}" LDFLAGS=-static "$($cxx --version | head -n1)" |
    sha256sum | cut -c1-12)
  wx_prefix=$win_root/wx-$stamp
  if [ -f "$wx_prefix/.complete" ]; then
    echo "build-windows: reusing wxWidgets in $wx_prefix"
    return
  fi
  echo "build-windows: building $wx_version for Windows into $wx_prefix (15-30 minutes)"
  local build_dir=$win_root/build-$stamp
  rm -rf "$build_dir" "$wx_prefix"
  mkdir -p "$build_dir"
  (
    cd "$build_dir"
    CC="ccache $cc" CXX="ccache $cxx" LDFLAGS=-static "$src/configure" --prefix="$wx_prefix" \
      "${wx_configure_flags[@]}" >configure.log
    nice -n 19 make -j2 >make.log 2>&1
    make install >install.log
  )
  touch "$wx_prefix/.complete"
  rm -rf "$build_dir"
}

# SQLiteCpp with the SQLite it bundles (from Debian's source package), CLI11's headers and
# GoogleTest's sources as Debian installs them, built for Windows into their own prefix.
build_libraries() {
  local src_dir=$win_root/src
  if ! compgen -G "$src_dir/sqlitecpp_*.orig.tar.gz" >/dev/null; then
    (cd "$src_dir" && apt-get source --download-only -qq sqlitecpp >/dev/null)
  fi
  local sqlitecpp_tar stamp
  sqlitecpp_tar=$(compgen -G "$src_dir/sqlitecpp_*.orig.tar.gz" | head -n1)
  stamp=$(printf '%s\n' "$(basename "$sqlitecpp_tar")" \
    "$(dpkg-query -W -f='${Version}' googletest libcli11-dev)" "$($cxx --version | head -n1)" |
    sha256sum | cut -c1-12)
  libraries_prefix=$win_root/libraries-$stamp
  if [ -f "$libraries_prefix/.complete" ]; then return; fi
  echo "build-windows: building SQLiteCpp, SQLite and GoogleTest for Windows into $libraries_prefix"
  local build_dir=$win_root/build-libraries-$stamp
  rm -rf "$build_dir" "$libraries_prefix"
  mkdir -p "$build_dir"
  tar -xzf "$sqlitecpp_tar" -C "$build_dir"
  local toolchain=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake"
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$libraries_prefix"
    -DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S "$build_dir"/SQLiteCpp-* -B "$build_dir/sqlitecpp" "${toolchain[@]}" \
    -DSQLITECPP_INTERNAL_SQLITE=ON -DSQLITECPP_RUN_CPPLINT=OFF -DSQLITECPP_RUN_CPPCHECK=OFF \
    -DSQLITECPP_BUILD_TESTS=OFF -DSQLITECPP_BUILD_EXAMPLES=OFF >"$build_dir/sqlitecpp.log"
  nice -n 19 cmake --build "$build_dir/sqlitecpp" -j2 >>"$build_dir/sqlitecpp.log"
  cmake --install "$build_dir/sqlitecpp" >>"$build_dir/sqlitecpp.log"
  cmake -S /usr/src/googletest -B "$build_dir/googletest" "${toolchain[@]}" >"$build_dir/googletest.log"
  nice -n 19 cmake --build "$build_dir/googletest" -j2 >>"$build_dir/googletest.log"
  cmake --install "$build_dir/googletest" >>"$build_dir/googletest.log"
  # CLI11 is headers only; its package files find them relative to themselves.
  mkdir -p "$libraries_prefix/include" "$libraries_prefix/share/cmake"
  cp -r /usr/include/CLI "$libraries_prefix/include/"
  cp -r /usr/share/cmake/CLI11 "$libraries_prefix/share/cmake/"
  touch "$libraries_prefix/.complete"
  rm -rf "$build_dir"
}

# The project itself in build-windows/, with Wine as the emulator that runs its tests.
build_project() {
  # shellcheck disable=SC2086
  cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DFOLIVEX_WIN_DEPS="$wx_prefix;$libraries_prefix" -DwxWidgets_CONFIG_EXECUTABLE="$wx_prefix/bin/wx-config" \
    -DCMAKE_BUILD_TYPE=Release -DFOLIVEX_BUILD_BENCHMARKS=OFF \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$root/scripts/wine-run.sh" \
    -DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache ${FOLIVEX_CMAKE_ARGS:-} >/dev/null
  nice cmake --build build-windows -j2
}

# The portable zip: the programs, the wx DLL, the manuals, Folivex.ini naming the plug-in, the
# sample collection as a ready workspace and a launcher that starts Folivex in it.
make_zip() {
  local version stage
  version=$(sed -n 's/^project(Folivex VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
  stage=$(mktemp -d)
  local folder=$stage/Folivex-$version
  mkdir -p "$folder/Sample"
  cp build-windows/bin/Folivex.exe build-windows/bin/Barvella.dll build-windows/bin/barvella.exe \
    build-windows/bin/wx*.dll "docs/Folivex Manual.txt" docs/Barvella.txt "$folder/"
  # Settings files hold CP932 text with CR LF line ends, as the programs write them.
  printf '[DEFAULT]\r\nHTMLIndexFileName=index.html\r\nPluginName=Barvella.dll\r\n' \
    >"$folder/Folivex.ini"
  sed 's/$/\r/' samples/demo-settings.ini | iconv -f UTF-8 -t CP932 >"$folder/Sample/Barvella.ini"
  sed 's/$/\r/' samples/demo-top-comment.html | iconv -f UTF-8 -t CP932 >"$folder/Sample/BarvellaTC.fvxcmt"
  cp samples/cocktails.csv "$folder/Sample/"
  WINEDEBUG=-all WINEPREFIX=$stage/wine timeout -k 10 300 wine "$folder/barvella.exe" import \
    --dir "$folder/Sample" "$folder/Sample/cocktails.csv" >/dev/null
  rm -rf "$stage/wine"
  printf '@echo off\r\nrem Starts Folivex on the sample collection: the workspace is the start folder.\r\ncd /d "%%~dp0Sample"\r\nstart "" "%%~dp0Folivex.exe"\r\n' \
    >"$folder/Sample.cmd"
  mkdir -p dist
  rm -f "dist/Folivex-$version-win64.zip"
  (cd "$stage" && zip -qr "$root/dist/Folivex-$version-win64.zip" "Folivex-$version")
  rm -rf "$stage"
  echo "build-windows: dist/Folivex-$version-win64.zip"
}

install_packages
fetch_wx_source
build_wx
build_libraries
build_project
make_zip
