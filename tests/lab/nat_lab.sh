#!/usr/bin/env bash
# The network namespace lab: an "internet" namespace holding a real ropewit-matchd with its
# relay, and two homes, each a router namespace that masquerades (nftables, no port mapping)
# in front of a player's namespace. Nothing links the lab to the host's network, whose
# interfaces, routes and rules are never touched. Each player is a lab_player process in its
# home; the two meet only through the lab. Then:
#   relayed: IPv4 NAT on both sides, Ann waits through the relay, a whole game;
#   ipv6:    Ann reaches the server over IPv6, her router drops new incoming connections;
#   direct:  Ann's router forwards the game's port by hand, the relay sees nothing;
#   servers: two servers on one Redis store: Ann registers at one and waits through its relay,
#            Bea finds her at the other and reaches the first one's relay.
# Needs root, ip (iproute2) and nft (nftables); otherwise says why and exits with 77.
#   nat_lab.sh LAB_PLAYER MATCHD
set -u
player=$1 matchd=$2
# Headless, and no router asked for a mapping: Ann's router only does what the lab says.
export QT_QPA_PLATFORM=offscreen ROPEWIT_ROUTER=off PATH=$PATH:/usr/sbin:/sbin
skip() {
  echo "nat_lab skipped: $*"
  exit 77
}
[ "$(id -u)" -eq 0 ] || skip "making network namespaces needs root"
if ! command -v ip >/dev/null || ! command -v nft >/dev/null; then
  skip "needs ip (iproute2) and nft (nftables)"
fi

# Unique per run, so parallel runs never meet.
p=rwl$$
inet=$p-net r1=$p-r1 r2=$p-r2 ann=$p-ann bea=$p-bea
work=$(mktemp -d)
pids=()
made=()
cleanup() {
  local ns pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null; done
  for ns in "${made[@]}"; do
    for pid in $(ip netns pids "$ns" 2>/dev/null); do kill -9 "$pid"; done
    ip netns del "$ns" 2>/dev/null
  done
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

ip netns add "$inet" 2>"$work/err" || skip "cannot make a network namespace: $(cat "$work/err")"
made+=("$inet")
for ns in "$r1" "$r2" "$ann" "$bea"; do
  ip netns add "$ns" || exit 1
  made+=("$ns")
done
inns() { ip netns exec "$@"; }
# A veth pair, made inside the first namespace: NS1 IF1 NS2 IF2.
link() {
  ip -n "$1" link add "$2" type veth peer name "$4" netns "$3" &&
    ip -n "$1" link set "$2" up && ip -n "$3" link set "$4" up
}
# Addresses on NS's IF; IPv6 ones without duplicate detection, so usable at once.
addr() {
  local ns=$1 dev=$2 a
  shift 2
  for a in "$@"; do
    case $a in
      *:*) ip -n "$ns" addr add "$a" dev "$dev" nodad ;;
      *) ip -n "$ns" addr add "$a" dev "$dev" ;;
    esac || return 1
  done
}
set -e
for ns in "${made[@]}"; do ip -n "$ns" link set lo up; done
# The internet: the server's addresses, Ann's router's line, Bea's router's line.
addr "$inet" lo 198.51.100.10/32 198.51.100.11/32 2001:db8:ff00::10/128
link "$inet" r1 "$r1" wan
link "$inet" r2 "$r2" wan
addr "$inet" r1 203.0.113.254/24 2001:db8:ff01::fe/64
addr "$inet" r2 192.0.2.254/24
ip -n "$inet" -6 route add 2001:db8:1::/64 via 2001:db8:ff01::1
# Home 1: Ann behind her router, on IPv4 (private) and IPv6 (public, routed).
addr "$r1" wan 203.0.113.1/24 2001:db8:ff01::1/64
link "$r1" lan "$ann" eth0
addr "$r1" lan 192.168.1.1/24 2001:db8:1::1/64
addr "$ann" eth0 192.168.1.2/24 2001:db8:1::2/64
ip -n "$r1" route add default via 203.0.113.254
ip -n "$r1" -6 route add default via 2001:db8:ff01::fe
ip -n "$ann" route add default via 192.168.1.1
ip -n "$ann" -6 route add default via 2001:db8:1::1
# Home 2: Bea behind hers, on IPv4 only.
addr "$r2" wan 192.0.2.1/24
link "$r2" lan "$bea" eth0
addr "$r2" lan 192.168.2.1/24
addr "$bea" eth0 192.168.2.2/24
ip -n "$r2" route add default via 192.0.2.254
ip -n "$bea" route add default via 192.168.2.1
for ns in "$inet" "$r1" "$r2"; do
  inns "$ns" sysctl -qw net.ipv4.ip_forward=1 net.ipv6.conf.all.forwarding=1
done
# The routers: masquerade on the way out, nothing mapped in; IPv6 passes only what was asked.
router='table ip nat {
  chain pre { type nat hook prerouting priority dstnat; }
  chain post { type nat hook postrouting priority srcnat; oifname "wan" masquerade; }
}
table ip6 filter {
  chain inward { type filter hook forward priority filter;
    ct state established,related accept; iifname "wan" ct state new drop; }
}'
inns "$r1" nft -f - <<<"$router"
inns "$r2" nft -f - <<<"$router"
set +e
# Sealed: past the two homes the internet has no route, so nothing can leave the lab.
if ip -n "$inet" route get 9.9.9.9 >/dev/null 2>&1; then
  echo "FAIL: the lab's internet has a route out"
  exit 1
fi

# Waits up to 20 s for a command to succeed.
waitFor() {
  local i
  for ((i = 0; i < 200; i++)); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}
failed=0
fail() {
  echo "FAIL $case: $*"
  bad=1
}

# A server with its relay, told callers reach it at ADDRESS, with OPTIONS.
serve() {
  local at=$1 log=$2
  shift 2
  ip netns exec "$inet" "$matchd" --port 52202 --relay-port 52203 --public-address "$at" \
    --log-requests "$@" >"$log" 2>&1 &
  servers+=($!)
  pids+=($!)
  waitFor grep -qs "relay on port 52203" "$log" || fail "the server at $at did not start"
}

# One meeting: CASE, how Ann must be reached (relay|direct), the server's address for Ann,
# and for Bea when she uses another server (on the same Redis store, which `store` names).
meet() {
  case=$1
  local way=$2 log="$work/$1-matchd.log" started=$SECONDS bad=0 a b
  local beaServer=${4:-198.51.100.10} other="$work/$1-matchd2.log"
  servers=()
  rm -f "$work"/ann-* "$work"/bea-*
  if [ -n "${store:-}" ]; then
    serve 198.51.100.10 "$log" --listen 198.51.100.10 --store "$store"
    serve 198.51.100.11 "$other" --listen 198.51.100.11 --store "$store"
  else
    serve 198.51.100.10 "$log"
  fi
  env LAB_WAY="$way" LAB_DIR="$work" LAB_SERVER="$3" \
    ip netns exec "$ann" "$player" LabPlayer ann >"$work/$case-ann.log" 2>&1 &
  a=$!
  env LAB_WAY="$way" LAB_DIR="$work" LAB_SERVER="$beaServer" \
    ip netns exec "$bea" "$player" LabPlayer bea >"$work/$case-bea.log" 2>&1 &
  b=$!
  pids+=("$a" "$b")
  wait "$a" || fail "Ann's side failed"
  wait "$b" || fail "Bea's side failed"
  if [ "$way" = relay ]; then
    grep -q -- "-> 09 not reachable" "$log" || fail "the probe reached Ann"
    grep -q "relay call -> joined" "$log" || fail "the relay joined no pair"
  else
    grep -q -- "-> 09 reachable" "$log" || fail "the probe did not reach Ann"
    ! grep -q "relay call\|relay hold" "$log" || fail "the relay was used"
  fi
  if [ -n "${store:-}" ]; then
    grep -q -- "-> 05 1 player" "$other" || fail "the second server did not list Ann"
  fi
  kill "${servers[@]}" && wait "${servers[@]}"
  echo "$case: $((SECONDS - started)) s"
  [ "$bad" = 0 ] || {
    failed=1
    cat "$log" "$work/$case-ann.log" "$work/$case-bea.log"
    [ -z "${store:-}" ] || cat "$other"
  }
}

meet relayed relay 198.51.100.10
meet ipv6 relay 2001:db8:ff00::10
inns "$r1" nft add rule ip nat pre iifname wan tcp dport 52201 dnat to 192.168.1.2
meet direct direct 198.51.100.10
inns "$r1" nft flush chain ip nat pre
if command -v redis-server >/dev/null; then
  inns "$inet" redis-server --port 6379 --bind 127.0.0.1 --save '' --appendonly no \
    >"$work/redis.log" 2>&1 &
  pids+=($!)
  waitFor grep -qs "Ready to accept connections" "$work/redis.log" || echo "FAIL: no Redis"
  store=redis://127.0.0.1:6379/0
  meet servers relay 198.51.100.10 198.51.100.11
else
  echo "servers: skipped, no redis-server"
fi
exit "$failed"
