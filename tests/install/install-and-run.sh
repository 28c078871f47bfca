#!/usr/bin/env bash
# Installs the build into a temporary prefix, checks that everything a desktop needs is
# there and valid, and runs the installed game offscreen against its installed data (it
# plays the opening of a game on an installed word list and saves a picture of it).
#
#   tests/install/install-and-run.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:?build directory}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
id=org.ropewit.Ropewit
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
need() { [ -e "$prefix/$1" ] || fail "not installed: $1"; }

cmake --install "$build" --prefix "$prefix" >"$work/install.log" || {
  cat "$work/install.log" >&2
  exit 1
}

need bin/ropewit
need bin/ropewit-matchd
for f in ROPEWIT.TXT ANIMALS.TXT FOOD.TXT PLACES.TXT SCIENCE.TXT SPORTS.TXT ARTS.TXT DAILY.TXT \
         TIERE.TXT CUISINE.TXT ANIMALES.TXT \
         ROPEWIT.HTML ROPEWIT.de.HTML ROPEWIT.fr.HTML ROPEWIT.es.HTML help.css screenshot.png \
         screenshot-de.png screenshot-fr.png screenshot-es.png statistics.png daily.png \
         YEAH.WAV FLOOP.WAV; do
  need "share/ropewit/$f"
done
need "share/applications/$id.desktop"
need "share/metainfo/$id.metainfo.xml"
need "share/icons/hicolor/scalable/apps/$id.svg"
for size in 16 22 24 32 48 64 128 256; do
  png=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
  if [ ! -e "$png" ]; then
    fail "no ${size}px icon"
  # A PNG's width and height are the big-endian words at bytes 16 and 20.
  elif [ "$(od -An -tu1 -j16 -N8 "$png" | tr -s ' ' | sed 's/^ //')" != \
         "0 0 $((size / 256)) $((size % 256)) 0 0 $((size / 256)) $((size % 256))" ]; then
    fail "$png is not ${size}x${size}"
  fi
done
need share/man/man6/ropewit.6.gz
need share/man/man6/ropewit-matchd.6.gz
need share/doc/ropewit/copyright

runtime=$work/runtime
mkdir -m 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=offscreen

# The desktop entry and the AppStream data as desktops and software centres read them.
desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop entry not valid"
grep -qx "Icon=$id" "$prefix/share/applications/$id.desktop" || fail "desktop entry names another icon"
grep -qx "Categories=Game;LogicGame;" "$prefix/share/applications/$id.desktop" ||
  fail "desktop entry is not in Game;LogicGame;"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >"$work/as.log" 2>&1 || {
  cat "$work/as.log" >&2
  fail "AppStream data not valid"
}
for page in {,de/,fr/,es/}man6/{ropewit,ropewit-matchd}; do
  if ! gzip -dc "$prefix/share/man/$page.6.gz" | grep -q "^\.TH"; then
    fail "manual page $page is not a manual page"
  fi
done

# The release named in the AppStream data is the programs' version.
version=$("$prefix/bin/ropewit" --version | awk '{print $NF}')
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/$id.metainfo.xml" ||
  fail "AppStream data has no release $version"
"$prefix/bin/ropewit-matchd" --version | grep -qx "ropewit-matchd $version" ||
  fail "ropewit-matchd is not version $version"

# The installed game, away from the build tree, finds its data under share/ropewit.
cd "$work"
out=$("$prefix/bin/ropewit" \
        --config-dir "$work/config" --screenshot "$work/game.png") || fail "the installed game failed"
echo "$out"
case "$out" in
  *"from $prefix/share/ropewit/ANIMALS.TXT"*) ;;
  *) fail "the installed game did not read its installed word list" ;;
esac
[ -s "$work/game.png" ] || fail "the installed game drew no picture"

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "install into $prefix: all checks passed"
