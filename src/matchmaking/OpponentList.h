#pragma once

#include <QString>
#include <array>
#include <vector>

#include "settings/Settings.h"

// The list of waiting players that the matchmaking server sends, and the history of the
// opponent addresses this player has called.
namespace opponents {

// The table of the opponent list holds this many entries; later ones are dropped.
constexpr int kMaxEntries = 11;
// Only this much of one entry counts.
constexpr int kMaxEntryLength = 255;
// An address is kept cut to this length (a longer one is not dialled).
constexpr int kMaxAddress = 50;

constexpr QChar kNameEnd = QChar(0x01);
constexpr QChar kEntryEnd = QChar(0x03);

struct Entry {
    QString name;
    QString address;
    // The server sent a longer address than any copy of the game registers: not to be
    // dialled, neither whole nor cut.
    bool tooLong = false;
};

// Splits the payload of a list reply: entries end with 0x03, a name and its address are
// separated by 0x01 (an entry without it has no name and is all address). A rest without
// 0x03 is not an entry and is dropped, as are the entries beyond kMaxEntries. Control
// characters in a name become blanks.
std::vector<Entry> parseList(const QString& payload);

// Why the chosen entry (row of the list, the address as chosen) cannot be called, as the
// connection log says it; empty when it can. Nothing from the server is dialled unless it
// is a whole, plain address.
QString whyNotCallable(const QString& list, int row, const QString& address, quint16 defaultPort);

using AddressSlots = std::array<QString, Settings::kAddressSlots>;

// Puts the address at the top of the history. An entry equal to it (the last one, when
// several are) leaves its place; otherwise the oldest entry is dropped.
void pushAddress(AddressSlots& history, const QString& address);

}  // namespace opponents
