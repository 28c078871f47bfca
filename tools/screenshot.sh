#!/usr/bin/env bash
# Makes the picture of a game in progress that the README, the help and the AppStream data
# show: the real program, built in BUILD_DIR, plays the opening of a game offscreen and saves
# its window. Beside it go the same in German, French and Spanish (screenshot-de.png, …) and
# the pictures of the Statistics window (statistics.png) and of the result of a word of the
# day (daily.png), drawn from made-up figures. The pictures are taken at twice the normal
# scale, so they stay sharp on scaled screens; the README and the help show them at half
# their size.
#
#   tools/screenshot.sh [BUILD_DIR] [OUTPUT]
#       default: build, src/resources/data/screenshot.png; the others in OUTPUT's folder
#   SCALE=1 tools/screenshot.sh ...   the picture at 100 %
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
output=${2:-src/resources/data/screenshot.png}
scale=${SCALE:-2}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
# A fresh settings directory: the picture shows the game as a new player sees it; a fixed
# seed deals the same words every time.
XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$scale \
  "$build/ropewit" --config-dir "$work/config" --random-seed 0 --screenshot "$output"
# The window in German on the English animals, in French on the French food list, in Spanish
# on the Spanish animals: the translated help files open with these.
for shot in "de ANIMALS.TXT" "fr CUISINE.TXT" "es ANIMALES.TXT"; do
  set -- $shot
  XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$scale \
    "$build/ropewit" --config-dir "$work/config-$1" --random-seed 0 --language "$1" \
    --screenshot-list "$2" --screenshot "$(dirname "$output")/screenshot-$1.png"
done
for picture in statistics daily; do
  XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$scale \
    "$build/ropewit" --config-dir "$work/config" --screenshot-$picture \
    "$(dirname "$output")/$picture.png"
done
