#!/usr/bin/env bash
# Starts the game from the build tree. When the matchmaking server is this machine and
# nothing answers on its port, a local ropewit-matchd runs for the length of the game and is
# stopped with it, however the game ends (Ctrl+C included).
#
#   tools/run-game.sh [BUILD_DIR] [game options...]
#   ROPEWIT_MATCHMAKING_SERVER=HOST[:PORT]   the server the game uses (default localhost:52202)
set -uo pipefail
build_dir=${1:-build}
shift || true
server=${ROPEWIT_MATCHMAKING_SERVER:-localhost:52202}
host=${server%:*}
port=${server##*:}
[ "$host" = "$server" ] && port=52202

answers() { (exec 3<>"/dev/tcp/$1/$2") 2>/dev/null; }

matchd_pid=""
stop_matchd() {
  if [ -n "$matchd_pid" ]; then
    kill "$matchd_pid" 2>/dev/null
    wait "$matchd_pid" 2>/dev/null
    matchd_pid=""
  fi
}
# A server started in the background of a script ignores Ctrl+C: it is stopped here.
trap stop_matchd EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

# A server for this machine alone listens on loopback only.
listen=""
case "$host" in
  localhost) listen=127.0.0.1 ;;
  127.*) listen=$host ;;
  "$(hostname)") listen=any ;;
esac
matchd="$build_dir/server/ropewit-matchd"
if [ -n "$listen" ] && [ -x "$matchd" ] && [[ "$port" =~ ^[0-9]+$ ]]; then
  probe=$listen
  [ "$probe" = any ] && probe=127.0.0.1
  if ! answers "$probe" "$port"; then
    log="$build_dir/ropewit-matchd.log"
    "$matchd" --listen "$listen" --port "$port" >"$log" 2>&1 &
    matchd_pid=$!
    # Wait until it takes calls (at most 5 s), so that the first request finds it.
    for _ in $(seq 50); do
      answers "$probe" "$port" && break
      if ! kill -0 "$matchd_pid" 2>/dev/null; then
        echo "run-game: ropewit-matchd did not start, see $log" >&2
        matchd_pid=""
        break
      fi
      sleep 0.1
    done
  fi
fi

"$build_dir/ropewit" --matchmaking-server "$server" "$@"
exit $?
