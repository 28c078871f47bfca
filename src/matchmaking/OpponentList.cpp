#include "matchmaking/OpponentList.h"

#include <QCoreApplication>

#include "core/Text.h"
#include "net/PeerAddress.h"

namespace opponents {

QString whyNotCallable(const QString& list, int row, const QString& address, quint16 defaultPort) {
    const auto entries = parseList(list);
    const bool tooLong = row >= 0 && row < static_cast<int>(entries.size()) &&
                         entries[static_cast<size_t>(row)].tooLong;
    const peeraddress::Parsed parsed =
        peeraddress::parse(address, defaultPort, peeraddress::kMaxBytes);
    if (!tooLong && (parsed.target || peeraddress::parseRelay(address))) {
        return {};
    }
    return QStringLiteral(">>") +
           QCoreApplication::translate("OpponentList", "Can't call this player: %1")
               .arg(tooLong ? QCoreApplication::translate(
                                  "OpponentList",
                                  "the server gave an address longer than %1 characters.")
                                  .arg(peeraddress::kMaxBytes)
                            : parsed.error);
}

std::vector<Entry> parseList(const QString& payload) {
    std::vector<Entry> entries;
    qsizetype from = 0;
    while (from < payload.size()) {
        const qsizetype end = payload.indexOf(kEntryEnd, from);
        if (end < 0) {
            break;
        }
        const QString entry = payload.mid(from, qMin<qsizetype>(end - from, kMaxEntryLength));
        from = end + 1;
        if (static_cast<int>(entries.size()) >= kMaxEntries) {
            break;
        }
        const qsizetype split = entry.indexOf(kNameEnd);
        Entry e;
        if (split < 0) {
            e.address = entry;
        } else {
            // A name is shown on one row whatever the server put in it: a line break or
            // another control character would make one entry look like two players.
            e.name = entry.left(split);
            for (QChar& c : e.name) {
                if (c.unicode() < 0x20 || c.unicode() == 0x7F) {
                    c = QLatin1Char(' ');
                }
            }
            e.address = entry.mid(split + 1);
        }
        e.tooLong = e.address.size() > kMaxAddress;
        e.address.truncate(kMaxAddress);
        entries.push_back(std::move(e));
    }
    return entries;
}

void pushAddress(AddressSlots& history, const QString& address) {
    const QString entry = text::bounded(address);
    int match = -1;
    for (int i = 0; i < static_cast<int>(history.size()); ++i) {
        if (history[i] == entry) {
            match = i;
        }
    }
    // Without a match the last entry is the one that gives way.
    const int from = match >= 0 ? match : static_cast<int>(history.size()) - 1;
    for (int i = from; i > 0; --i) {
        history[i] = history[i - 1];
    }
    history[0] = entry;
}

}  // namespace opponents
