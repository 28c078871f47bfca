#!/usr/bin/env bash
# ropewit-matchd (memory store), ropewit-matchd (Redis store) and redis-server answering
# PING, under the same load client in one run: connect, request, read the reply, close.
# Loopback only; about 3 x SECONDS plus the registrations.
#   bench/compare-redis.sh [BUILD_DIR] [SECONDS] [CLIENTS] [PLAYERS]
set -euo pipefail
build_dir=${1:-build-release}
seconds=${2:-5}
clients=${3:-64}
players=${4:-1000}
cd "$(dirname "$0")/.."
if ! command -v redis-server >/dev/null; then
  echo "redis-server is not installed (apt-get install redis-server)" >&2
  exit 2
fi
cmake --build "$build_dir" --target ropewit-matchd bench_matchd >/dev/null
exec "$build_dir/bench/bench_matchd" --mode compare --seconds "$seconds" \
  --clients "$clients" --players "$players"
