// Feeds arbitrary payloads of the server's list reply to the opponent list parser, and the
// addresses found to the address history: at most 11 entries, no entry end inside an entry,
// no name separator inside a name, addresses of at most 50 characters, and a history with
// the newest address on top and no address twice.
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"
#include "core/Text.h"
#include "matchmaking/OpponentList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString payload =
        text::fromAnsi(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::vector<opponents::Entry> entries = opponents::parseList(payload);
    require(entries.size() <= static_cast<size_t>(opponents::kMaxEntries));
    opponents::AddressSlots history;
    for (const opponents::Entry& e : entries) {
        require(!e.name.contains(opponents::kEntryEnd) &&
                !e.address.contains(opponents::kEntryEnd));
        require(!e.name.contains(opponents::kNameEnd));
        require(e.address.size() <= opponents::kMaxAddress);
        require(e.name.size() + e.address.size() <= opponents::kMaxEntryLength);
        opponents::pushAddress(history, e.address);
        require(history[0] == e.address);
        for (size_t i = 1; i < history.size(); ++i) {
            require(history[i] != e.address || e.address.isEmpty());
        }
    }
    return 0;
}
