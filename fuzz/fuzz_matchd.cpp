// Feeds arbitrary connections to the matchmaking server's request buffer, request parser,
// request handling and memory store: each input is a series of connections, each from one
// of a few source addresses. The replies are well formed, the store never holds more than
// its capacity nor an entry whose fields could break a list reply, and list replies hold at
// most ten players.
#include <QByteArray>
#include <cstddef>
#include <cstdint>

#include <QHostAddress>
#include "FuzzCheck.h"

#include "MatchProtocol.h"
#include "MatchService.h"
#include "MemoryStore.h"

namespace {

void checkReply(const QByteArray& reply) {
    if (reply.isEmpty()) {
        return;
    }
    require(reply.size() >= 3 && reply.endsWith(matchd::kEndMark));
    require(reply[0] >= '0' && reply[0] <= '9' && reply[1] >= '0' && reply[1] <= '9');
    require(reply.count(matchd::kEndMark) == 1);
    if (reply.startsWith("05")) {
        require(reply.count(matchd::kEntryEnd) <= matchd::kMaxListEntries);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) {
        return 0;
    }
    // The first two bytes choose the capacity (1..16), the limit per source address (1..8)
    // and the expiry (in steps of 100 ms).
    const int capacity = 1 + data[0] % 16;
    const int perSource = 1 + data[0] / 16 % 8;
    const qint64 expiry = 100 + 100 * static_cast<qint64>(data[1]);
    matchd::MemoryStore store(capacity, expiry, perSource);
    matchd::MatchService service(store, matchd::AddressPolicy::Auto);
    size_t pos = 2;
    // Then connections: a byte whose low bits choose the source, a byte of length, that many
    // bytes.
    while (pos + 2 <= size) {
        const QHostAddress source(quint32(0x7f000001u + data[pos] % 4));
        const size_t length = std::min<size_t>(data[pos + 1], size - pos - 2);
        const char* bytes = reinterpret_cast<const char*>(data + pos + 2);
        pos += 2 + length;

        matchd::RequestBuffer buffer;
        // In two reads, split in the middle, as a slow client would send it.
        buffer.append(bytes, static_cast<qsizetype>(length / 2));
        const auto state =
            buffer.append(bytes + length / 2, static_cast<qsizetype>(length - length / 2));
        require(buffer.size() <= matchd::kMaxRequestBytes);
        if (state != matchd::RequestBuffer::State::Complete) {
            continue;
        }
        const QByteArray message = buffer.message();
        require(!message.contains(matchd::kEndMark));
        const matchd::ParsedRequest parsed = matchd::parseRequest(message);
        if (parsed.ok) {
            const matchd::Request& r = parsed.request;
            require(r.name.size() <= matchd::kMaxNameBytes);
            require(r.address.size() <= matchd::kMaxAddressBytes);
        }
        bool answered = false;
        service.handle(message, source, [&answered](const matchd::Outcome& outcome) {
            answered = true;
            checkReply(outcome.reply);
        });
        require(answered);  // the memory store answers at once
        store.count([capacity](qint64 n) { require(n <= capacity); });
        store.list({}, 1000, [](bool ok, const QList<matchd::WaitingPlayer>& players) {
            require(ok);
            for (const matchd::WaitingPlayer& p : players) {
                for (char c : p.name + p.address) {
                    require(c != 0 && c != matchd::kNameSep && c != matchd::kEndMark &&
                            c != matchd::kEntryEnd);
                }
            }
        });
    }
    return 0;
}
