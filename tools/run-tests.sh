#!/usr/bin/env bash
# Runs the whole test suite headless. A private runtime directory keeps Qt quiet and
# keeps parallel runs from sharing sockets or caches.
set -euo pipefail
build_dir=${1:-build}
shift || true
runtime=$(mktemp -d)
chmod 700 "$runtime"
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR=$runtime
export QT_QPA_PLATFORM=offscreen
# No test may ask a real router anything: the fake router is given by URL where wanted.
export ROPEWIT_ROUTER=off
export HOME_FOR_TESTS=$runtime
jobs=$(nproc 2>/dev/null || echo 2)
ctest --test-dir "$build_dir" --output-on-failure -j "$jobs" "$@"
