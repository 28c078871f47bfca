#!/usr/bin/env bash
# Builds the Debian package of Ropewit and checks it: a release build in BUILD_DIR,
# `cpack -G DEB` (library dependencies from dpkg-shlibdeps), then dpkg-deb on the package's
# control data and contents, and lintian, which must report no errors.
#
#   tools/package/build-deb.sh [BUILD_DIR]      (default build-deb)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build-deb}

# What building and checking the package needs, beyond what `make` installs.
tools="dpkg-dev fakeroot file lintian"
missing=""
for p in $tools; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing="$missing $p"
done
if [ -n "$missing" ]; then
  echo "Installing:$missing"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends $missing
fi

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DROPEWIT_BENCH=OFF \
  ${ROPEWIT_CMAKE_FLAGS:-}
cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" --target ropewit ropewit-matchd \
  ropewit_data ropewit_compressed
rm -f "$build"/ropewit_*.deb
(cd "$build" && cpack -G DEB)
deb=$(ls "$build"/ropewit_*.deb)
echo "== $deb"

dpkg-deb --info "$deb"
dpkg-deb --contents "$deb" >"$build/contents.txt"
failures=0
for path in ./usr/bin/ropewit ./usr/bin/ropewit-matchd ./usr/share/ropewit/ROPEWIT.TXT \
            ./usr/share/ropewit/ANIMALS.TXT ./usr/share/applications/org.ropewit.Ropewit.desktop \
            ./usr/share/metainfo/org.ropewit.Ropewit.metainfo.xml \
            ./usr/share/icons/hicolor/scalable/apps/org.ropewit.Ropewit.svg \
            ./usr/share/icons/hicolor/48x48/apps/org.ropewit.Ropewit.png \
            ./usr/share/man/man6/ropewit.6.gz ./usr/share/man/de/man6/ropewit.6.gz \
            ./usr/share/ropewit/ROPEWIT.de.HTML ./usr/share/doc/ropewit/copyright; do
  if ! awk '{print $6}' "$build/contents.txt" | grep -qx "$path"; then
    echo "FAIL: the package has no $path" >&2
    failures=$((failures + 1))
  fi
done
depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
for lib in libqt6widgets6 libqt6network6 libqt6multimedia6 libc6 fonts-liberation; do
  case "$depends" in
    *"$lib"*) ;;
    *) echo "FAIL: the package does not depend on $lib" >&2; failures=$((failures + 1)) ;;
  esac
done

# Errors fail the check; warnings are shown for whoever looks.
echo "== lintian"
lintian_status=0
lintian --tag-display-limit 0 "$deb" | tee "$build/lintian.txt" || lintian_status=$?
if grep -q '^E:' "$build/lintian.txt"; then
  echo "FAIL: lintian reports errors" >&2
  failures=$((failures + 1))
elif [ "$lintian_status" -gt 2 ]; then
  echo "FAIL: lintian did not run (status $lintian_status)" >&2
  failures=$((failures + 1))
fi

if [ "$failures" -gt 0 ]; then
  echo "$failures package check(s) failed" >&2
  exit 1
fi
echo "== $deb: built and checked"
