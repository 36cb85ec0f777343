#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks what Ombrel installs, and the Debian package built from it.
#
#   install_check.sh install|deb SOURCE_DIR BUILD_DIR CMAKE CPACK FILE_LIST
#
# install: `cmake --install` into a temporary prefix gives exactly the files
#   of FILE_LIST; the desktop entry and the AppStream metadata validate (also
#   pedantically); the licence is named where Debian and AppStream look, and
#   no file holds a placeholder address; the manual page reads cleanly; the
#   icons have their sizes; no file names the source or build folder; the
#   program carries no RPATH or RUNPATH.
# deb: `cpack -G DEB` into a temporary folder; lintian finds no error and no
#   warning; the
#   package's fields, dependencies and contents; on this machine those
#   dependencies give the program what it asks for (the Song face for its
#   font family list, Qt's Chinese texts where Qt looks); the program
#   extracted from the package names no folder of this machine and stays up
#   on the offscreen platform.
#
# Everything is written into one temporary folder, removed at the end (and
# `cmake --install` leaves its install_manifest.txt in the build folder).
set -euo pipefail

stage=$1 src=$2 build=$3 cmake=$4 cpack=$5 list=$6
app_id=org.ombrel.Ombrel
package=ombrel

tmp=$(mktemp -d "${TMPDIR:-/tmp}/ombrel-install-check.XXXXXX")
pid=
cleanup() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
  rm -rf "$tmp"
}
trap cleanup EXIT
# The tools' caches and settings land in the temporary folder too.
export HOME=$tmp/home TMPDIR=$tmp XDG_CACHE_HOME=$tmp/home/.cache
export XDG_CONFIG_HOME=$tmp/home/.config XDG_DATA_HOME=$tmp/home/.local/share
export XDG_RUNTIME_DIR=$tmp/run
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

fail() { echo "FAIL: $*" >&2; exit 1; }
pass() { echo "ok: $*"; }

# The files under ROOT/PREFIX are exactly those of the list, and there is
# nothing else under ROOT.
same_files() {  # ROOT PREFIX WHAT
  (cd "$1" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort) > "$tmp/found"
  sed "s|^|$2|" "$list" | LC_ALL=C sort > "$tmp/expected"
  diff -u "$tmp/expected" "$tmp/found" || fail "$3 does not hold the expected files"
  pass "$3 holds exactly the $(wc -l < "$tmp/expected") expected files"
}

# No file under DIR names the source or the build folder.
no_machine_paths() {  # DIR WHAT
  local hits="" dir
  for dir in "$src" "$build" "$(realpath "$src")" "$(realpath "$build")"; do
    hits+=$(grep -rlF -e "$dir" "$1" || true)
  done
  [ -z "$hits" ] || fail "$2: files naming $src or $build: $hits"
  pass "$2 names neither $src nor $build"
}

no_rpath() {  # PROGRAM
  readelf -d "$1" > "$tmp/dynamic" || fail "readelf cannot read $1"
  if grep -E 'RPATH|RUNPATH' "$tmp/dynamic"; then fail "$1 carries a library search path"; fi
  pass "no RPATH or RUNPATH in ${1#"$tmp"/}"
}

check_install() {
  local prefix=$tmp/prefix
  "$cmake" --install "$build" --prefix "$prefix" > "$tmp/install.log" 2>&1 ||
    { cat "$tmp/install.log"; fail "cmake --install failed"; }
  same_files "$prefix" "" "the install tree"

  local desktop=$prefix/share/applications/$app_id.desktop
  desktop-file-validate "$desktop" > "$tmp/validate" 2>&1 || true
  cat "$tmp/validate"
  [ ! -s "$tmp/validate" ] || fail "desktop-file-validate reports on the desktop entry"
  pass "desktop-file-validate: the desktop entry is clean"
  grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry's icon is not $app_id"
  grep -qx "Exec=ombrel" "$desktop" || fail "the desktop entry does not run ombrel"
  grep -q '^Name\[zh_CN\]=' "$desktop" && grep -q '^Comment\[zh_CN\]=' "$desktop" ||
    fail "the desktop entry has no Chinese name or comment"

  local metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
  appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects the metadata"
  grep -q "<id>$app_id</id>" "$metainfo" &&
    grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "the metadata does not name $app_id"
  pass "appstreamcli: the metadata validates"
  # Pedantic: one hint stays. The id's last part is capitalised, as the
  # program's desktop file name and its installed files are named; renaming
  # it would rename them for every installed copy.
  appstreamcli validate --pedantic --no-net --no-color "$metainfo" > "$tmp/pedantic" 2>&1 || true
  cat "$tmp/pedantic"
  grep -E '^[EWIP]: ' "$tmp/pedantic" | grep -v "^P: $app_id:[0-9]*: cid-contains-uppercase-letter $app_id\$" &&
    fail "appstreamcli --pedantic reports more than the capitalised id"
  pass "appstreamcli --pedantic: nothing but the capitalised id"
  grep -q "<project_license>GPL-3.0-or-later</project_license>" "$metainfo" &&
    grep -q "<metadata_license>CC0-1.0</metadata_license>" "$metainfo" ||
    fail "the metadata does not name the licences"

  local copyright=$prefix/share/doc/ombrel/copyright
  head -n 1 "$copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' &&
    grep -qx 'License: GPL-3.0+' "$copyright" && grep -q '/usr/share/common-licenses/GPL-3' "$copyright" ||
    fail "the copyright file does not name GPL-3.0+ in machine-readable form"
  if grep -rIlE 'example\.(org|com|net)|@localhost' "$prefix"; then fail "placeholder addresses installed"; fi
  pass "licences named (GPL-3.0-or-later, metadata CC0-1.0); no placeholder address"

  local manpage=$prefix/share/man/man1/ombrel.1.gz
  gzip -t "$manpage" || fail "the manual page is not gzip-compressed"
  LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$manpage" 2> "$tmp/man.warnings" | grep -q '^NAME' ||
    fail "man cannot read the manual page"
  [ ! -s "$tmp/man.warnings" ] || { cat "$tmp/man.warnings"; fail "the manual page has roff warnings"; }
  pass "the manual page reads without warnings"

  local icons=$prefix/share/icons/hicolor size
  for size in 32 48; do
    file "$icons/${size}x$size/apps/$app_id.png" | grep -q "PNG image data, $size x $size," ||
      fail "the ${size}x$size icon is not a $size x $size PNG"
  done
  file "$icons/scalable/apps/$app_id.svg" | grep -q "SVG" || fail "the scalable icon is no SVG"
  pass "icons: 32 x 32 and 48 x 48 PNG, scalable SVG"

  no_machine_paths "$prefix" "the install tree"
  no_rpath "$prefix/bin/ombrel"
}

field() { dpkg-deb --field "$deb" "$1"; }

# The package that installed FILE on this machine is PACKAGE.
owned_by() {  # FILE PACKAGE
  local owner
  owner=$(dpkg -S "$1" 2>/dev/null) || return 1
  [[ $owner == "$2: "* ]]
}

# The machine's share of the program's looks, checked here once: the GUI
# tests check what the program asks for, not what this machine has.
machine_gives_what_is_asked() {
  local families face translations qm
  # The family list songFont() asks for, in its order.
  families=$(sed -n '/QStringList{/,/}/p' "$src/app/fonts.cpp" | grep -o '"[^"]*"' | tr -d '"' | paste -sd, -)
  [ -n "$families" ] || fail "no font family list found in app/fonts.cpp"
  face=$(fc-match -f '%{family[0]}|%{file}' "$families") || fail "fc-match cannot match $families"
  owned_by "${face#*|}" fonts-arphic-uming ||
    fail "the font families $families give $face, not the Song face of fonts-arphic-uming"
  pass "fc-match $families: ${face%%|*}, ${face#*|} (fonts-arphic-uming)"

  translations=$(qtpaths6 --query QT_INSTALL_TRANSLATIONS) ||
    fail "qtpaths6 cannot say where Qt looks for its translations"
  qm=$translations/qtbase_zh_CN.qm
  owned_by "$qm" qt6-translations-l10n ||
    fail "no $qm from qt6-translations-l10n: Qt's own texts would stay English"
  pass "Qt's Chinese texts: $qm (qt6-translations-l10n)"
}

check_deb() {
  (cd "$build" && "$cpack" -G DEB -B "$tmp/package") > "$tmp/cpack.log" 2>&1 ||
    { cat "$tmp/cpack.log"; fail "cpack -G DEB failed"; }
  local debs=("$tmp"/package/*.deb)
  [ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single .deb: ${debs[*]}"
  deb=${debs[0]}
  echo "package: ${deb##*/}"

  dpkg-deb --info "$deb"
  local version arch
  version=$(field Version) arch=$(dpkg --print-architecture)
  [ "$(field Package)" = "$package" ] || fail "the package is not named $package"
  [ "$(field Architecture)" = "$arch" ] || fail "the package is not for $arch"
  [ "${deb##*/}" = "${package}_${version}_$arch.deb" ] || fail "the file name is not Debian's"
  [ "$(field Section)" = electronics ] || fail "the section is not electronics"
  [ -n "$(field Maintainer)" ] || fail "the package has no maintainer"
  field Description | sed -n 2p | grep -q . || fail "the description has no long part"
  local depends dep
  depends=$(field Depends)
  # The package names, without versions, one a line.
  tr ',' '\n' <<< "$depends" | sed 's/^ *//; s/ .*//' > "$tmp/depends"
  # dpkg-shlibdeps' share, then the pieces loaded at run time.
  for dep in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libmpfr6 libgmp10 \
             qt6-qpa-plugins qt6-translations-l10n fonts-arphic-uming; do
    grep -qxF "$dep" "$tmp/depends" || fail "Depends lacks $dep: $depends"
  done
  pass "Package $package $version $arch, section electronics, Depends: $depends"
  machine_gives_what_is_asked

  # The release named in the changelog and in the metadata is the package's.
  dpkg-deb -x "$deb" "$tmp/root"
  zcat "$tmp/root/usr/share/doc/$package/changelog.gz" | head -n 1 |
    grep -q "^$package ($version) " || fail "the changelog's last entry is not $version"
  grep -q "<release version=\"$version\"" "$tmp/root/usr/share/metainfo/$app_id.metainfo.xml" ||
    fail "the metadata's releases do not start with $version"
  # One release date: the metadata's, and the changelog's (whose weekday
  # dpkg checks).
  zcat "$tmp/root/usr/share/doc/$package/changelog.gz" > "$tmp/changelog"
  local when
  when=$(dpkg-parsechangelog -l "$tmp/changelog" -S Date 2> "$tmp/parse") || fail "dpkg cannot read the changelog"
  [ ! -s "$tmp/parse" ] || { cat "$tmp/parse"; fail "dpkg-parsechangelog warns"; }
  grep -q "<release version=\"$version\" date=\"$(date -u -d "$when" +%F)\">" \
    "$tmp/root/usr/share/metainfo/$app_id.metainfo.xml" || fail "the changelog's date ($when) is not the metadata's"
  pass "changelog and metadata name release $version of $when"

  dpkg-deb --contents "$deb" > "$tmp/contents"
  awk '$1 !~ /^d/ {print $6}' "$tmp/contents" | sed 's|^\./||' | LC_ALL=C sort > "$tmp/found"
  sed 's|^|usr/|' "$list" | LC_ALL=C sort > "$tmp/expected"
  diff -u "$tmp/expected" "$tmp/found" || fail "the package does not hold the expected files"
  awk '$2 != "root/root" {print; bad = 1} END {exit bad}' "$tmp/contents" ||
    fail "files in the package not owned by root"
  pass "dpkg-deb --contents: the expected files, owned by root"

  same_files "$tmp/root" "usr/" "the extracted package"
  no_machine_paths "$tmp/root" "the extracted package"
  no_rpath "$tmp/root/usr/bin/ombrel"
  file "$tmp/root/usr/bin/ombrel" | grep -q ', stripped' || fail "the packaged program is not stripped"

  # Left at info: the .comment section CMake's strip keeps.
  lintian --allow-root --fail-on error,warning --display-level '>=info' "$deb" > "$tmp/lintian" 2>&1 ||
    { cat "$tmp/lintian"; fail "lintian finds errors or warnings"; }
  cat "$tmp/lintian"
  pass "lintian: no errors, no warnings"

  # The packaged program starts, shows MainForm and stays up until ended.
  QT_QPA_PLATFORM=offscreen "$tmp/root/usr/bin/ombrel" > "$tmp/run.out" 2>&1 &
  pid=$!
  sleep 2
  if ! kill -0 "$pid" 2>/dev/null; then
    local status=0
    wait "$pid" || status=$?
    pid=
    cat "$tmp/run.out"
    fail "the packaged program ended by itself (status $status)"
  fi
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  pid=
  cat "$tmp/run.out"
  pass "the packaged program ran 2 s on the offscreen platform"
}

case $stage in
  install) check_install ;;
  deb) check_deb ;;
  *) fail "unknown stage $stage" ;;
esac
