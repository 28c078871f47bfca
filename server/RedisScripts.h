#pragma once

// The Lua scripts the Redis store runs. Each runs atomically in Redis, so several servers
// on one Redis never see each other's half-done work.
namespace matchd::redis_scripts {

// Layout (P is the key prefix; an id is name 0x01 address, as the client sent them):
//   P seq           counter of first registrations, for the order
//   P order         sorted set: id by seq (order of waiting)
//   P exp           sorted set: id by the millisecond its registration lapses
//   P meta          hash: id -> source address 0x00 case-folded name
//   P lex           sorted set, all scores 0: folded name 0x00 id (prefix search)
//   P p:<1-3 letters of the folded name>   sorted sets: id by seq (short searches)
//   P s:<source>    set of the ids registered from that source address
//   P e:<id>        string: the address the player is listed with; it lapses by itself
//                   (its Redis TTL is the registration's)
// Lapsed entries leave their index members behind until a script comes across them; every
// script drops some, and lists drop those they meet.
inline constexpr char kCommon[] = R"lua(
-- Before Redis 5 a script must ask for this to write after reading the time.
if redis.replicate_commands then redis.replicate_commands() end
local P = ARGV[1]
local t = redis.call('TIME')
local now = tonumber(t[1]) * 1000 + math.floor(tonumber(t[2]) / 1000)
local function prefixKeys(folded)
  local keys = {}
  for n = 1, math.min(3, #folded) do keys[#keys + 1] = P .. 'p:' .. string.sub(folded, 1, n) end
  return keys
end
local function drop(id)
  local meta = redis.call('HGET', P .. 'meta', id)
  redis.call('ZREM', P .. 'order', id)
  redis.call('ZREM', P .. 'exp', id)
  redis.call('HDEL', P .. 'meta', id)
  redis.call('DEL', P .. 'e:' .. id)
  if meta then
    local sep = string.find(meta, '\0', 1, true)
    if sep then
      local source = string.sub(meta, 1, sep - 1)
      local folded = string.sub(meta, sep + 1)
      redis.call('ZREM', P .. 'lex', folded .. '\0' .. id)
      for _, k in ipairs(prefixKeys(folded)) do redis.call('ZREM', k, id) end
      redis.call('SREM', P .. 's:' .. source, id)
    end
  end
end
local function alive(id)
  local e = redis.call('ZSCORE', P .. 'exp', id)
  return e and tonumber(e) >= now
end
local function ownedBy(id, source)
  local meta = redis.call('HGET', P .. 'meta', id)
  return not meta or string.sub(meta, 1, #source + 1) == source .. '\0'
end
local lapsed = redis.call('ZRANGEBYSCORE', P .. 'exp', '-inf', '(' .. now, 'LIMIT', 0, 100)
for _, id in ipairs(lapsed) do drop(id) end
)lua";

// ARGV: prefix, id, folded name, listed address, source, expiry ms, capacity, most per
// source (0: no limit), the last millisecond (Redis's clock) the server still waits for the
// answer. Returns added, refreshed, full, address, taken or late. A late registration
// changes nothing: the server has closed the client's connection without telling it.
inline constexpr char kRegister[] = R"lua(
local id, folded, listed, source = ARGV[2], ARGV[3], ARGV[4], ARGV[5]
local expiry, capacity, perSource = tonumber(ARGV[6]), tonumber(ARGV[7]), tonumber(ARGV[8])
if now > tonumber(ARGV[9]) then return 'late' end
local entry = P .. 'e:' .. id
if alive(id) then
  if not ownedBy(id, source) then return 'taken' end
  local before = redis.call('ZSCORE', P .. 'exp', id)
  local r = redis.pcall('ZADD', P .. 'exp', now + expiry, id)
  if type(r) == 'table' and r.err then return r end
  r = redis.pcall('SET', entry, listed, 'PX', expiry)
  if type(r) == 'table' and r.err then
    redis.pcall('ZADD', P .. 'exp', before, id)
    return r
  end
  return 'refreshed'
end
if redis.call('ZSCORE', P .. 'exp', id) then drop(id) end
local waiting = redis.call('ZCARD', P .. 'order') - redis.call('ZCOUNT', P .. 'exp', '-inf', '(' .. now)
if waiting >= capacity then return 'full' end
if perSource > 0 then
  local mine = 0
  for _, other in ipairs(redis.call('SMEMBERS', P .. 's:' .. source)) do
    if alive(other) then mine = mine + 1 end
  end
  if mine >= perSource then return 'address' end
end
local seq = redis.call('INCR', P .. 'seq')
local writes = {
  {'ZADD', P .. 'order', seq, id},
  {'ZADD', P .. 'exp', now + expiry, id},
  {'HSET', P .. 'meta', id, source .. '\0' .. folded},
  {'ZADD', P .. 'lex', 0, folded .. '\0' .. id},
  {'SADD', P .. 's:' .. source, id},
  {'SET', entry, listed, 'PX', expiry},
}
for _, k in ipairs(prefixKeys(folded)) do writes[#writes + 1] = {'ZADD', k, seq, id} end
for _, w in ipairs(writes) do
  local r = redis.pcall(unpack(w))
  if type(r) == 'table' and r.err then
    pcall(drop, id)
    return r
  end
end
return 'added'
)lua";

// ARGV: prefix, id, source. Returns removed, absent or other.
inline constexpr char kRemove[] = R"lua(
local id, source = ARGV[2], ARGV[3]
if not alive(id) then return 'absent' end
if not ownedBy(id, source) then return 'other' end
drop(id)
return 'removed'
)lua";

// ARGV: prefix, folded letters, most entries, lowest and highest lex bound of the names
// that start with the letters. Returns id, listed address, id, listed address...
inline constexpr char kList[] = R"lua(
local letters, max = ARGV[2], tonumber(ARGV[3])
local out = {}
-- Adds a live entry to the answer; drops a lapsed one (also from `key`, where it was met)
-- and says so.
local function take(id, key, member)
  if not alive(id) then
    drop(id)
    redis.call('ZREM', key, member)
    return false
  end
  local listed = redis.call('GET', P .. 'e:' .. id)
  if listed then
    out[#out + 1] = id
    out[#out + 1] = listed
  end
  return true
end
if #letters <= 3 then
  local key = P .. 'order'
  if #letters > 0 then key = P .. 'p:' .. letters end
  local start = 0
  while #out < 2 * max do
    local ids = redis.call('ZRANGE', key, start, start + 2 * max - 1)
    if #ids == 0 then break end
    for _, id in ipairs(ids) do
      -- a dropped member shifts the ranks after it down by one
      if take(id, key, id) then start = start + 1 end
      if #out >= 2 * max then break end
    end
  end
else
  local found = {}
  for _, m in ipairs(redis.call('ZRANGEBYLEX', P .. 'lex', ARGV[4], ARGV[5])) do
    local sep = string.find(m, '\0', 1, true)
    if sep then
      local id = string.sub(m, sep + 1)
      local seq = redis.call('ZSCORE', P .. 'order', id)
      if seq then
        found[#found + 1] = {tonumber(seq), id, m}
      else
        redis.call('ZREM', P .. 'lex', m)
      end
    end
  end
  table.sort(found, function(a, b) return a[1] < b[1] end)
  for _, f in ipairs(found) do
    take(f[2], P .. 'lex', f[3])
    if #out >= 2 * max then break end
  end
end
return out
)lua";

// ARGV: prefix. Returns the number of players waiting.
inline constexpr char kCount[] = R"lua(
return redis.call('ZCARD', P .. 'order') - redis.call('ZCOUNT', P .. 'exp', '-inf', '(' .. now)
)lua";

}  // namespace matchd::redis_scripts
