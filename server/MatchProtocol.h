#pragma once

#include <QByteArray>
#include <QString>

#include "WaitingStore.h"

// The matchmaking exchange as the server sees it: one request per connection, a two-digit
// code, a payload and the end byte 0x02; nothing here knows about sockets.
namespace matchd {

constexpr char kNameSep = 0x01;
constexpr char kEndMark = 0x02;
constexpr char kEntryEnd = 0x03;

// A request that has not ended within this many bytes is not a request.
constexpr qsizetype kMaxRequestBytes = 1024;
constexpr qsizetype kMaxNameBytes = 20;
constexpr qsizetype kMaxAddressBytes = 50;
constexpr int kMaxListEntries = 10;

// Collects the bytes of one connection until its first request is complete. Holds at most
// kMaxRequestBytes; whatever follows the first end mark is ignored.
class RequestBuffer {
public:
    enum class State { NeedMore, Complete, Overflow };

    State append(const char* data, qsizetype size);
    State append(const QByteArray& bytes) { return append(bytes.constData(), bytes.size()); }
    State state() const { return state_; }
    // The request without its end mark, once Complete.
    QByteArray message() const { return state_ == State::Complete ? bytes_ : QByteArray(); }
    qsizetype size() const { return bytes_.size(); }

private:
    QByteArray bytes_;
    State state_ = State::NeedMore;
};

struct Request {
    enum class Kind { Register, Remove, ListLongest, ListByLetters };
    Kind kind = Kind::ListLongest;
    QByteArray name;     // Register, Remove: cut to kMaxNameBytes
    QByteArray address;  // Register, Remove: cut to kMaxAddressBytes
    QByteArray letters;  // ListByLetters
    bool nameCut = false;
    bool addressCut = false;
};

struct ParsedRequest {
    bool ok = false;
    Request request;
    QString refusal;  // why it was refused, for the log
};

// Reads one complete request (without its end mark). A request is refused when its code is
// not one of 01..04, when a register or remove has no 0x01 between name and address or an
// empty address, when any field holds a control byte (below 0x20: 0x00..0x03 would break
// the list replies that carry it to other players, CR, LF and the like would draw one entry as
// two players), or when a list
// request carries a payload.
ParsedRequest parseRequest(const QByteArray& message);

// The 05 reply: name 0x01 address 0x03 per player.
QByteArray listReply(const QList<WaitingPlayer>& players);

// Bytes from a peer made safe for one log line: printable ASCII as it is, backslash and
// double quote escaped, everything else as \xNN.
QString printable(const QByteArray& bytes, qsizetype max = 64);

// Whether a field holds a control byte (below 0x20), which no stored name or address may
// carry.
bool holdsControlByte(const QByteArray& field);

}  // namespace matchd
