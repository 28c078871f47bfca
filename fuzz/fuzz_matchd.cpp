// Feeds arbitrary connections to the matchmaking server's request buffer, request parser
// and registry: each input is a series of connections, each with the time it arrives. The
// replies are well formed, the registry never holds more than its capacity nor an entry
// whose fields could break a list reply, and list replies hold at most ten players.
#include <QByteArray>
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"
#include "MatchProtocol.h"
#include "WaitingRegistry.h"

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
    // The first two bytes choose the capacity (1..16) and the expiry (in steps of 100 ms).
    const int capacity = 1 + data[0] % 16;
    const qint64 expiry = 100 + 100 * static_cast<qint64>(data[1]);
    matchd::MatchService service(capacity, expiry);
    qint64 now = 0;
    size_t pos = 2;
    // Then connections: a byte of time step, a byte of length, that many bytes.
    while (pos + 2 <= size) {
        now += 10 * static_cast<qint64>(data[pos]);
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
        const matchd::Outcome outcome = service.handle(message, now);
        checkReply(outcome.reply);
        require(service.registry().count(now) <= capacity);
        for (const matchd::WaitingPlayer& p : service.registry().longestWaiting(1000, now)) {
            for (char c : p.name + p.address) {
                require(c != 0 && c != matchd::kNameSep && c != matchd::kEndMark &&
                        c != matchd::kEntryEnd);
            }
        }
    }
    return 0;
}
