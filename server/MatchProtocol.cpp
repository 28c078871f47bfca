#include "MatchProtocol.h"

#include <algorithm>

namespace matchd {

RequestBuffer::State RequestBuffer::append(const char* data, qsizetype size) {
    if (state_ != State::NeedMore || data == nullptr || size <= 0)
        return state_;
    const qsizetype room = kMaxRequestBytes - bytes_.size();
    const qsizetype take = std::min(size, room);
    const char* end = std::find(data, data + take, kEndMark);
    if (end != data + take) {
        bytes_.append(data, end - data);
        state_ = State::Complete;
        return state_;
    }
    bytes_.append(data, take);
    if (bytes_.size() >= kMaxRequestBytes) {
        state_ = State::Overflow;
        bytes_.clear();
    }
    return state_;
}

bool holdsControlByte(const QByteArray& field) {
    return std::any_of(field.cbegin(), field.cend(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

namespace {

ParsedRequest refused(const QString& why) {
    ParsedRequest parsed;
    parsed.refusal = why;
    return parsed;
}

ParsedRequest parsePlayer(Request::Kind kind, const QByteArray& payload) {
    const qsizetype sep = payload.indexOf(kNameSep);
    if (sep < 0)
        return refused(QStringLiteral("no separator between name and address"));
    QByteArray name = payload.left(sep);
    QByteArray address = payload.mid(sep + 1);
    if (holdsControlByte(name) || holdsControlByte(address))
        return refused(QStringLiteral("control byte in name or address"));
    if (address.isEmpty())
        return refused(QStringLiteral("empty address"));
    ParsedRequest parsed;
    parsed.ok = true;
    parsed.request.kind = kind;
    parsed.request.nameCut = name.size() > kMaxNameBytes;
    parsed.request.addressCut = address.size() > kMaxAddressBytes;
    parsed.request.name = parsed.request.nameCut ? name.left(kMaxNameBytes) : name;
    parsed.request.address = parsed.request.addressCut ? address.left(kMaxAddressBytes) : address;
    return parsed;
}

}  // namespace

ParsedRequest parseRequest(const QByteArray& message) {
    if (message.size() < 2)
        return refused(QStringLiteral("no code"));
    const char tens = message[0];
    const char ones = message[1];
    if (tens != '0' || ones < '1' || ones > '4')
        return refused(QStringLiteral("unknown code \"%1\"").arg(printable(message.left(2))));
    const QByteArray payload = message.mid(2);
    switch (ones) {
        case '1':
            return parsePlayer(Request::Kind::Register, payload);
        case '2':
            return parsePlayer(Request::Kind::Remove, payload);
        case '3': {
            if (!payload.isEmpty())
                return refused(QStringLiteral("list request with a payload"));
            ParsedRequest parsed;
            parsed.ok = true;
            parsed.request.kind = Request::Kind::ListLongest;
            return parsed;
        }
        default: {
            if (holdsControlByte(payload))
                return refused(QStringLiteral("control byte in letters"));
            ParsedRequest parsed;
            parsed.ok = true;
            parsed.request.kind = Request::Kind::ListByLetters;
            parsed.request.letters = payload;
            return parsed;
        }
    }
}

QByteArray listReply(const QList<WaitingPlayer>& players) {
    QByteArray reply("05");
    for (const WaitingPlayer& p : players)
        reply.append(p.name).append(kNameSep).append(p.address).append(kEntryEnd);
    reply.append(kEndMark);
    return reply;
}

QString printable(const QByteArray& bytes, qsizetype max) {
    static const char hex[] = "0123456789abcdef";
    QString out;
    const qsizetype n = std::min(bytes.size(), max);
    out.reserve(n + 8);
    for (qsizetype i = 0; i < n; ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c == '\\' || c == '"') {
            out.append(QLatin1Char('\\')).append(QLatin1Char(static_cast<char>(c)));
        } else if (c >= 0x20 && c < 0x7F) {
            out.append(QLatin1Char(static_cast<char>(c)));
        } else {
            out.append(QLatin1String("\\x"))
                .append(QLatin1Char(hex[c >> 4]))
                .append(QLatin1Char(hex[c & 0xF]));
        }
    }
    if (bytes.size() > max)
        out.append(QLatin1String("..."));
    return out;
}

}  // namespace matchd
