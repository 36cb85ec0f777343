#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Ombrel for Windows, from Debian's own packages, on a Debian 12 machine as root:
#
#   packaging/windows/build.sh [OUT]        (OUT defaults to build-windows)
#
#   1. installs the Debian packages it needs;
#   2. fetches qt6-base's source package through a private apt source list
#      under OUT (the system's apt sources and lists stay untouched);
#   3. builds the smallest Qt Ombrel needs (Core, Gui, Widgets, Test, the
#      windows and offscreen platform plugins; shared, release) into
#      OMBREL_QT_CACHE (default /var/cache/ombrel-qt, outside the clone), in
#      a folder named after the Qt version and a hash of the configure line,
#      and skips this when that folder is complete;
#   4. fetches gmp's and mpfr4's source packages the same way and builds
#      GMP and MPFR as static libraries, with their licences, into a folder
#      beside Qt's, named after their versions and a hash of their configure
#      lines, and skips this when that folder is complete;
#   5. cross-builds Ombrel and its tests with MinGW-w64 (POSIX threads), and
#      lists with a Linux build the figures the Windows build must compute
#      alike (tests/test_same_figures.cpp);
#   6. runs the tests under wine (offscreen platform, Linux-only tests shown
#      as skipped by name), the figures compared with the Linux build's;
#   7. deploys ombrel.exe with the DLLs it needs, no others, stripped, and
#      starts the deployed program under a virtual X server until MainForm
#      shows, then closes it;
#      Renders every window into OUT/screenshots (docs/windows-*.png);
#   8. packs OUT/ombrel-<version>-windows-x86_64.zip and the 64-bit NSIS
#      installer OUT/ombrel-<version>-windows-x86_64-setup.exe
#      (packaging/windows/ombrel.nsi);
#   9. uses the installer as a Windows user would, in a fresh wine prefix:
#      installs silently, checks the files, the Start-menu shortcut and the
#      uninstall entry, starts the installed program until MainForm shows,
#      uninstalls silently and checks that all three are gone; then renders
#      its first page (OUT/screenshots/windows-installer.png). A failure
#      names its step.
set -euo pipefail

src=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
out=$(realpath -m "${1:-$src/build-windows}")
cache=${OMBREL_QT_CACHE:-/var/cache/ombrel-qt}
jobs=${OMBREL_JOBS:-2}
mingw=x86_64-w64-mingw32
mkdir -p "$out"
step() { echo; echo "== $*"; }

step "1. Debian packages"
export DEBIAN_FRONTEND=noninteractive
apt-get install -y --no-install-recommends \
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64 nsis zip unzip ninja-build cmake \
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-translations-l10n fonts-arphic-uming \
  xvfb xauth xdotool imagemagick file dpkg-dev xz-utils ca-certificates m4 autoconf automake libtool libmpfr-dev > "$out/apt.log"

# Debian's source packages come through a private apt source list under OUT,
# so the system's apt sources and lists stay untouched; the list is made and
# read the first time a package is asked for.
apt_dir=$out/apt
apt_private=(-o "Dir::Etc::SourceList=$apt_dir/sources.list" -o "Dir::Etc::SourceParts=$apt_dir/sources.list.d"
             -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache")
apt_updated=
debian_source() {  # PACKAGE VERSION DIR: that version's source package, downloaded into DIR
  if [ -z "$apt_updated" ]; then
    mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" "$apt_dir/sources.list.d"
    echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm main" \
      > "$apt_dir/sources.list"
    apt-get "${apt_private[@]}" update > "$out/apt-source.log"
    apt_updated=1
  fi
  # The exact version, or a stop that says which ones bookworm has now.
  local versions
  versions=$(apt-cache "${apt_private[@]}" showsrc "$1" | sed -n 's/^Version: //p')
  grep -qxF "$2" <<< "$versions" || { echo "bookworm has no $1 $2, only: $versions"; exit 1; }
  mkdir -p "$3"
  (cd "$3" && apt-get "${apt_private[@]}" source --download-only "$1=$2" >> "$out/apt-source.log" 2>&1) ||
    { tail -n 20 "$out/apt-source.log"; echo "$1's source failed; logs in $out"; exit 1; }
}

# Qt: the version of Debian's source package, and the configure line; the
# cache folder's name holds both.
qt_version=6.4.2
configure=(-release -shared -opensource -confirm-license
  -xplatform win32-g++ -device-option "CROSS_COMPILE=$mingw-" -qt-host-path /usr
  -nomake examples -nomake tests -no-opengl -no-dbus -no-icu
  -no-feature-sql -no-feature-network -no-feature-printsupport -no-feature-concurrent -no-feature-xml
  -no-feature-tabletevent -no-feature-direct2d1_1
  -qt-freetype -qt-zlib -qt-libpng -qt-libjpeg -qt-pcre -qt-harfbuzz)
key=$(printf '%s\n' "${configure[@]}" | sha256sum | cut -c1-12)
qt=$cache/qt-$qt_version-$key

if [ -f "$qt/complete" ]; then
  step "2.-3. Qt $qt_version for Windows: in $qt already"
else
  step "2. qt6-base $qt_version source, from Debian"
  debian_source qt6-base "$qt_version+dfsg-10" "$out/qt-source"
  rm -rf "$out/qt-source/qtbase-everywhere-src-$qt_version"
  tar -C "$out/qt-source" -xf "$out/qt-source/qt6-base_$qt_version+dfsg.orig.tar.xz"

  step "3. Qt $qt_version for Windows into $qt"
  rm -rf "$qt" "$out/qt-build"
  mkdir -p "$out/qt-build"
  (cd "$out/qt-build" &&
    "$out/qt-source/qtbase-everywhere-src-$qt_version/configure" -prefix "$qt" "${configure[@]}" -- -G Ninja \
      "-DCMAKE_TOOLCHAIN_FILE=$src/packaging/windows/mingw-w64-x86_64-posix.cmake" \
      -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake > "$out/qt-configure.log" 2>&1 &&
    cmake --build . --parallel "$jobs" > "$out/qt-build.log" 2>&1 &&
    cmake --install . > "$out/qt-install.log" 2>&1) ||
    { tail -n 40 "$out"/qt-*.log; echo "Qt's build failed; logs in $out"; exit 1; }
  touch "$qt/complete"
fi
# Qt's own Chinese texts: the translations are the same files on every platform.
mkdir -p "$qt/translations"
cp /usr/share/qt6/translations/qtbase_zh_CN.qm "$qt/translations/"

# GMP and MPFR, for the correctly rounded functions: the versions of Debian's
# source packages, and the configure lines; the cache folder's name holds
# them all. Static libraries, so no more DLLs come along. GMP in plain C: at
# 53 bits its assembly makes MPFR no faster, and it is one way less to fail.
# MPFR thread-safe, as Debian's is on Linux: configure cannot try that out
# when cross-compiling, and would leave it out.
gmp_version=6.2.1
mpfr_version=4.2.0
gmp_configure=(--host=$mingw --enable-static --disable-shared --disable-assembly "CC=$mingw-gcc-posix")
mpfr_configure=(--host=$mingw --enable-static --disable-shared --enable-thread-safe "CC=$mingw-gcc-posix")
key=$(printf '%s\n' "${gmp_configure[@]}" "${mpfr_configure[@]}" | sha256sum | cut -c1-12)
mpfr=$cache/gmp-mpfr-$gmp_version-$mpfr_version-$key

if [ -f "$mpfr/complete" ]; then
  step "4. GMP $gmp_version and MPFR $mpfr_version for Windows: in $mpfr already"
else
  step "4. GMP $gmp_version and MPFR $mpfr_version for Windows into $mpfr"
  sources=$out/gmp-mpfr-source
  debian_source gmp "2:$gmp_version+dfsg1-1.1" "$sources"
  debian_source mpfr4 "$mpfr_version-1" "$sources"
  rm -rf "$sources/gmp" "$sources/mpfr-$mpfr_version"
  # gmp's .orig tarball has no manual (doc/), and Debian's patch takes it out
  # of the build: gmp as Debian unpacks it, with its configure made anew.
  (cd "$sources" && dpkg-source -x "gmp_$gmp_version+dfsg1-1.1.dsc" gmp && cd gmp && autoreconf -fi) \
    > "$out/gmp-source.log" 2>&1 || { tail -n 40 "$out/gmp-source.log"; echo "GMP's source failed; logs in $out"; exit 1; }
  tar -C "$sources" -xf "$sources/mpfr4_$mpfr_version.orig.tar.xz"

  rm -rf "$mpfr" "$out/gmp-build" "$out/mpfr-build"
  mkdir -p "$out/gmp-build" "$out/mpfr-build"
  (cd "$out/gmp-build" &&
    "$sources/gmp/configure" --prefix="$mpfr" "${gmp_configure[@]}" > "$out/gmp-configure.log" 2>&1 &&
    make -j"$jobs" > "$out/gmp-build.log" 2>&1 &&
    make install > "$out/gmp-install.log" 2>&1) ||
    { tail -n 40 "$out"/gmp-*.log; echo "GMP's build failed; logs in $out"; exit 1; }
  (cd "$out/mpfr-build" &&
    "$sources/mpfr-$mpfr_version/configure" --prefix="$mpfr" --with-gmp="$mpfr" "${mpfr_configure[@]}" \
      > "$out/mpfr-configure.log" 2>&1 &&
    make -j"$jobs" > "$out/mpfr-build.log" 2>&1 &&
    make install > "$out/mpfr-install.log" 2>&1) ||
    { tail -n 40 "$out"/mpfr-*.log; echo "MPFR's build failed; logs in $out"; exit 1; }
  # Their licences, for the packages to ship.
  mkdir -p "$mpfr/share/licenses/gmp" "$mpfr/share/licenses/mpfr"
  cp "$sources"/gmp/COPYING* "$mpfr/share/licenses/gmp/"
  cp "$sources/mpfr-$mpfr_version"/COPYING* "$mpfr/share/licenses/mpfr/"
  touch "$mpfr/complete"
fi

step "5. Ombrel for Windows"
# The pictures are rendered by a Linux build's tool, Qt Svg being Linux-only
# here; the same Linux build lists the figures the Windows build must compute
# alike (tests/test_same_figures.cpp), into host/tests/same_figures.txt.
cmake -S "$src" -B "$out/host" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON > "$out/host.log"
cmake --build "$out/host" --target ombrel_render_icon test_same_figures >> "$out/host.log"
(cd "$out/host/tests" && ./test_same_figures >> "$out/host.log") || { tail -n 20 "$out/host.log"; exit 1; }
grep -o 'digest [0-9a-f]*' "$out/host.log" | sed 's/^/Linux figures: /' 
fonts=/usr/share/fonts/truetype/arphic
cmake -S "$src" -B "$out/ombrel" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  "-DCMAKE_TOOLCHAIN_FILE=$src/packaging/windows/mingw-w64-x86_64-posix.cmake" "-DCMAKE_PREFIX_PATH=$qt;$mpfr" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  "-DOMBREL_PICTURE_RENDERER=$out/host/tools/ombrel_render_icon" -DCMAKE_CROSSCOMPILING_EMULATOR=wine \
  "-DOMBREL_WINE_FONTDIR=Z:$fonts" \
  "-DOMBREL_FIGURES_REFERENCE=$out/host/tests/same_figures.txt" > "$out/ombrel-configure.log"
cmake --build "$out/ombrel" --parallel "$jobs"

step "6. Tests under wine"
export WINEPREFIX=$out/wine WINEARCH=win64 WINEDEBUG=-all
runtime=$(dirname "$("$mingw-g++-posix" -print-file-name=libstdc++-6.dll)")
winpthread=/usr/$mingw/lib
wine_path() { echo "Z:${1//\//\\}"; }
# A Windows program started on a virtual X server until MainForm shows (is
# mapped: a window not yet viewable takes no focus), then
# closed with Alt+F4; it must end. For the zip's program and the installed one.
start_and_close() {
  xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    set -euo pipefail
    WINEPATH= wine "$1" & pid=$!
    for i in $(seq 1 120); do
      window=$(xdotool search --onlyvisible --name "Ombrel专业版" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
      sleep 0.5
    done
    [ -n "${window:-}" ] || { echo "MainForm did not show"; kill $pid; exit 1; }
    echo "MainForm shown: window $window"
    xdotool windowfocus --sync "$window" key alt+F4
    for i in $(seq 1 60); do kill -0 $pid 2>/dev/null || break; sleep 0.5; done
    if kill -0 $pid 2>/dev/null; then echo "the program did not end"; kill $pid; exit 1; fi
    wait $pid
    echo "the program ended cleanly"
  ' start "$1"
}
export WINEPATH="$(wine_path "$qt/bin");$(wine_path "$runtime");$(wine_path "$winpthread")"
if [ ! -f "$WINEPREFIX/system.reg" ]; then wineboot --init > "$out/wineboot.log" 2>&1; fi
# A Song face for the windows platform, as Windows has SimSun.
cp "$fonts/uming.ttc" "$WINEPREFIX/drive_c/windows/Fonts/"
wineserver -w  # the one wineboot left, gone
wineserver -p  # one server for all the tests: each starts in about a second
trap 'wineserver -k || true' EXIT
# Wine's own services start with the first program and stay; started here,
# they do not hold the output of the first test open.
wine cmd.exe /c exit > "$out/wine-start.log" 2>&1
ctest --test-dir "$out/ombrel" --output-on-failure --timeout 600

step "7. Deploy"
deploy=$out/deploy/ombrel
rm -rf "$out/deploy"
mkdir -p "$deploy/platforms" "$deploy/imageformats" "$deploy/translations"
cp "$out/ombrel/ombrel.exe" "$deploy/"
cp "$qt/plugins/platforms/qwindows.dll" "$deploy/platforms/"
# The native look of Windows 7 to 11.
mkdir -p "$deploy/styles"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$deploy/styles/"
for format in qico qjpeg qgif; do
  [ -f "$qt/plugins/imageformats/$format.dll" ] && cp "$qt/plugins/imageformats/$format.dll" "$deploy/imageformats/"
done
cp /usr/share/qt6/translations/qtbase_zh_CN.qm "$deploy/translations/"
# The licences: Ombrel's, and those of the libraries linked in or beside it.
mkdir -p "$deploy/licenses/qt"
cp "$src/LICENSE" "$deploy/licenses/ombrel.txt"
cp -r "$mpfr/share/licenses/gmp" "$mpfr/share/licenses/mpfr" "$deploy/licenses/"
cp /usr/share/common-licenses/LGPL-3 "$deploy/licenses/qt/LGPL-3"
cp /usr/share/common-licenses/GPL-3 "$deploy/licenses/qt/GPL-3"
printf '[Paths]\nPrefix = .\nPlugins = .\nTranslations = translations\n' > "$deploy/qt.conf"
# The DLLs the program and its plugins import, and theirs in turn; the
# system's own DLLs are Windows'.
imports() { "$mingw-objdump" -p "$1" | sed -n 's/^\s*DLL Name: //p'; }
todo=("$deploy/ombrel.exe" "$deploy"/platforms/*.dll "$deploy"/styles/*.dll "$deploy"/imageformats/*.dll)
while [ ${#todo[@]} -gt 0 ]; do
  file=${todo[0]}
  todo=("${todo[@]:1}")
  for dll in $(imports "$file"); do
    [ -f "$deploy/$dll" ] && continue
    for dir in "$qt/bin" "$runtime" "$winpthread"; do
      if [ -f "$dir/$dll" ]; then
        cp "$dir/$dll" "$deploy/"
        todo+=("$deploy/$dll")
        break
      fi
    done
  done
done
find "$deploy" -name '*.exe' -o -name '*.dll' | xargs "$mingw-strip" --strip-unneeded
echo "deployed:"; (cd "$deploy" && find . -type f | sort)

version=$(sed -n 's/^project(Ombrel VERSION \([0-9.]*\) .*/\1/p' "$src/CMakeLists.txt")
zip_file=$out/ombrel-$version-windows-x86_64.zip
rm -f "$zip_file"
(cd "$out/deploy" && zip -qr -X "$zip_file" ombrel)

# The program from the unpacked zip, on the windows platform inside a
# virtual X server: MainForm shows, then closing it ends the program.
rm -rf "$out/unzipped" && mkdir -p "$out/unzipped"
unzip -q "$zip_file" -d "$out/unzipped"
start_and_close "$out/unzipped/ombrel/ombrel.exe"

# The windows as the Windows build draws them (windows platform, Windows
# style, the Song face in wine's font folder), for docs/windows-*.png.
rm -rf "$out/screenshots" && mkdir -p "$out/screenshots"
xvfb-run -a -s "-screen 0 1280x800x24" wine "$out/ombrel/ombrel_screenshots.exe" "$(wine_path "$out/screenshots")" \
  > "$out/screenshots.log" 2>&1 || { cat "$out/screenshots.log"; exit 1; }
echo "screenshots in $out/screenshots"

step "8. Packages"
# The installer installs exactly the deployed folder; its uninstaller
# removes exactly those files and folders (deepest first), no others.
(cd "$deploy" && find . -type f | sort | sed 's|^\./||; s|/|\\|g; s|^.*$|  Delete "$INSTDIR\\&"|'
 cd "$deploy" && find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g; s|^.*$|  RMDir "$INSTDIR\\&"|') \
  > "$out/installed-files.nsh"
setup=$out/ombrel-$version-windows-x86_64-setup.exe
makensis -V2 "-DVERSION=$version" "-DDEPLOY=$deploy" "-DFILES=$out/installed-files.nsh" "-DLICENSE=$src/LICENSE" \
  "-DICON=$src/resources/ombrel.ico" "-DSIZE_KB=$(du -sk "$deploy" | cut -f1)" "-DOUTFILE=$setup" \
  "$src/packaging/windows/ombrel.nsi" > "$out/makensis.log" 2>&1 || { cat "$out/makensis.log"; exit 1; }
file "$setup" | grep -q 'PE32+ executable.*x86-64' || { file "$setup"; echo "the installer is not 64-bit"; exit 1; }
ls -l "$zip_file" "$setup"

step "9. The installer, as a Windows user would use it"
wineserver -k  # the tests' server, kept running since step 6
export WINEPREFIX=$out/wine-install
trap 'wineserver -k || true' EXIT
rm -rf "$WINEPREFIX"
wineboot --init > "$out/wineboot-install.log" 2>&1
installed=$WINEPREFIX/drive_c/Ombrel
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Ombrel'
failed() { echo "FAIL at step $1"; exit 1; }
echo "9.1 install silently into C:\\Ombrel"
WINEPATH= wine "$setup" /S '/D=C:\Ombrel' > "$out/install.log" 2>&1 || failed "9.1 (the installer ended with an error)"
wineserver -w
echo "9.2 the files, the shortcut and the uninstall entry"
(cd "$deploy" && find . -type f) | while read -r f; do
  cmp -s "$deploy/$f" "$installed/$f" || failed "9.2 (C:\\Ombrel/${f#./} not installed as built)"
done
[ -f "$installed/uninstall.exe" ] || failed "9.2 (no uninstaller)"
[ -f "$menu/Ombrel专业版.lnk" ] || failed "9.2 (no Start-menu shortcut)"
[ ! -e "$WINEPREFIX/drive_c/users/Public/Desktop/Ombrel专业版.lnk" ] || failed "9.2 (a desktop shortcut no one chose)"
wine reg query "$key" > "$out/uninstall-entry.txt" 2>&1 || failed "9.2 (no uninstall entry)"
for value in DisplayName DisplayVersion Publisher DisplayIcon UninstallString QuietUninstallString InstallLocation EstimatedSize; do
  grep -q "$value" "$out/uninstall-entry.txt" || failed "9.2 (the uninstall entry has no $value)"
done
# The console shows the Chinese name as "???"; the registry file holds it
# escaped, \x4e13\x4e1a\x7248 being 专业版.
grep -qF '"DisplayName"="Ombrel\x4e13\x4e1a\x7248"' "$WINEPREFIX/system.reg" || failed "9.2 (the entry's name)"
grep -q "InstallLocation.*C:\\\\Ombrel" "$out/uninstall-entry.txt" || failed "9.2 (the entry's folder)"
echo "9.3 start the installed program"
wineserver -k  # so that wine starts anew on the virtual display, not on none
start_and_close 'C:\Ombrel\ombrel.exe' > "$out/installed-start.log" 2>&1 || { cat "$out/installed-start.log"; failed "9.3 (the installed program)"; }
wineserver -w
echo "9.4 uninstall silently"
WINEPATH= wine "C:\\Ombrel\\uninstall.exe" /S > "$out/uninstall.log" 2>&1 || failed "9.4 (the uninstaller ended with an error)"
wineserver -w  # the uninstaller runs on from a copy of itself
echo "9.5 all gone"
[ ! -e "$installed" ] || { find "$installed"; failed "9.5 (C:\\Ombrel is left)"; }
[ ! -e "$menu/Ombrel专业版.lnk" ] || failed "9.5 (the Start-menu shortcut is left)"
if wine reg query "$key" > /dev/null 2>&1; then failed "9.5 (the uninstall entry is left)"; fi
# Its first page, as a user sees it, for docs/windows-installer.png, in
# the Song face. (Not before: the face makes the program's first start in a
# fresh prefix build wine's font cache, minutes long.)
cp "$fonts/uming.ttc" "$WINEPREFIX/drive_c/windows/Fonts/"
# The installer's dialogs ask for SimSun (宋体) and MS Shell Dlg, as Windows
# has them: here the Song face takes their place (a registry file in UTF-16,
# so that the Chinese name goes in as written).
{ printf '\xff\xfe'
  { printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
    for face in 宋体 SimSun "MS Shell Dlg" "MS Shell Dlg 2"; do printf '"%s"="AR PL UMing CN"\r\n' "$face"; done
  } | iconv -f UTF-8 -t UTF-16LE
} > "$out/song-face.reg"
wine regedit /S "$(wine_path "$out/song-face.reg")"
wineserver -w
echo "9.6 the installer's first page"
rm -f "$out/screenshots/windows-installer.png"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  WINEPATH= wine "$1" & pid=$!
  for i in $(seq 1 120); do
    window=$(xdotool search --name "Ombrel专业版" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.5
  done
  [ -n "${window:-}" ] && sleep 2 && import -window "$window" "$2"
  kill $pid; wineserver -k
' first-page "$setup" "$out/screenshots/windows-installer.png" > "$out/installer-page.log" 2>&1 || true
[ -f "$out/screenshots/windows-installer.png" ] || { cat "$out/installer-page.log"; failed "9.6 (the installer's first page did not show)"; }

echo "the installer installs, starts and uninstalls cleanly"
