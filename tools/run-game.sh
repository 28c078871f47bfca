#!/usr/bin/env bash
# Starts the game from the build tree. When the matchmaking server is configured on this
# machine and nothing answers on its port, a local one is started for the length of the game.
set -uo pipefail
build_dir=${1:-build}
shift || true
server=${ROPEWIT_MATCHMAKING_SERVER:-localhost:52202}
host=${server%:*}
port=${server##*:}
[ "$host" = "$server" ] && port=52202
matchd_pid=""
if [ -x "$build_dir/server/ropewit-matchd" ]; then
  case "$host" in
    localhost|127.*|::1|"$(hostname)")
      if ! (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
        "$build_dir/server/ropewit-matchd" --port "$port" >"${TMPDIR:-/tmp}/ropewit-matchd.log" 2>&1 &
        matchd_pid=$!
      fi ;;
  esac
fi
"$build_dir/ropewit" --matchmaking-server "$server" "$@"
status=$?
[ -n "$matchd_pid" ] && kill "$matchd_pid" 2>/dev/null
exit $status
