#include "MatchService.h"

#include <algorithm>

namespace matchd {

namespace {

QString describe(const Request& r, const QByteArray& listed) {
    switch (r.kind) {
        case Request::Kind::Register:
        case Request::Kind::Remove: {
            QString text =
                QStringLiteral("%1 name=\"%2\"%3 address=\"%4\"%5")
                    .arg(r.kind == Request::Kind::Register ? QLatin1String("register")
                                                           : QLatin1String("remove"),
                         printable(r.name), r.nameCut ? QLatin1String(" (cut)") : QLatin1String(),
                         printable(r.address),
                         r.addressCut ? QLatin1String(" (cut)") : QLatin1String());
            if (!listed.isEmpty() && listed != r.address)
                text += QStringLiteral(" listed=\"%1\"").arg(printable(listed));
            return text;
        }
        case Request::Kind::ListLongest:
            return QStringLiteral("list");
        case Request::Kind::ListByLetters:
            return QStringLiteral("search letters=\"%1\"").arg(printable(r.letters));
    }
    return {};
}

Outcome unavailable(Outcome out) {
    out.unavailable = true;
    out.reply.clear();
    out.result = QStringLiteral("unanswered: store unavailable");
    return out;
}

}  // namespace

void MatchService::handle(const QByteArray& message, const QHostAddress& source, Done done,
                          qint64 answerWithinMs) {
    if (probe_ != nullptr && message.startsWith("08")) {
        probe(message.mid(2), source, std::move(done));
        return;
    }
    Outcome out;
    const ParsedRequest parsed = parseRequest(message);
    if (!parsed.ok) {
        out.request = QStringLiteral("\"%1\"").arg(printable(message));
        out.result = QStringLiteral("refused: ") + parsed.refusal;
        out.notable = true;
        done(out);
        return;
    }
    const Request& r = parsed.request;
    switch (r.kind) {
        case Request::Kind::Register: {
            out.kind = Outcome::Kind::Register;
            Registration reg{r.name, r.address, listedAddress(r.address, source, policy_),
                             addressText(source), answerWithinMs};
            if (reg.listedAddress.size() > kMaxAddressBytes)
                reg.listedAddress = reg.address;
            out.request = describe(r, reg.listedAddress);
            store_.add(reg, [out, done = std::move(done)](AddResult result) mutable {
                switch (result) {
                    case AddResult::Added:
                        out.reply = QByteArrayLiteral("07\x02");
                        out.result = QStringLiteral("07 added");
                        break;
                    case AddResult::Refreshed:
                        out.reply = QByteArrayLiteral("07\x02");
                        out.result = QStringLiteral("07 refreshed");
                        break;
                    case AddResult::Full:
                        out.reply = QByteArrayLiteral("06\x02");
                        out.result = QStringLiteral("06 full");
                        out.notable = true;
                        break;
                    case AddResult::AddressFull:
                        out.reply = QByteArrayLiteral("06\x02");
                        out.result = QStringLiteral("06 too many players from this address");
                        out.notable = true;
                        break;
                    case AddResult::TakenElsewhere:
                        out.reply = QByteArrayLiteral("06\x02");
                        out.result = QStringLiteral("06 registered from another address");
                        out.notable = true;
                        break;
                    case AddResult::Unavailable:
                        out = unavailable(out);
                        break;
                }
                done(out);
            });
            return;
        }
        case Request::Kind::Remove:
            out.kind = Outcome::Kind::Remove;
            out.request = describe(r, {});
            store_.remove(
                r.name, r.address, addressText(source),
                [this, out, name = r.name, address = r.address,
                 done = std::move(done)](RemoveResult result) mutable {
                    switch (result) {
                        case RemoveResult::Removed:
                            out.result = QStringLiteral("removed");
                            if (removed_)
                                removed_(name, address);
                            break;
                        case RemoveResult::NotWaiting:
                            out.result = QStringLiteral("not waiting");
                            break;
                        case RemoveResult::OtherSource:
                            out.result = QStringLiteral("ignored: registered from another address");
                            out.notable = true;
                            break;
                        case RemoveResult::Unavailable:
                            out = unavailable(out);
                            break;
                    }
                    done(out);
                });
            return;
        case Request::Kind::ListLongest:
        case Request::Kind::ListByLetters:
            out.kind =
                r.kind == Request::Kind::ListLongest ? Outcome::Kind::List : Outcome::Kind::Search;
            out.request = describe(r, {});
            store_.list(r.letters, kMaxListEntries,
                        [out, done = std::move(done)](bool ok,
                                                      const QList<WaitingPlayer>& players) mutable {
                            if (!ok) {
                                out = unavailable(out);
                            } else {
                                out.reply = listReply(players);
                                out.result = QStringLiteral("05 %1 player(s)").arg(players.size());
                            }
                            done(out);
                        });
            return;
    }
}

// 08 address 0x01 nonce: the address exactly as registered, and up to 32 letters, digits, '-'
// or '_' that the probe's greeting carries. Answered 09 with 1 (reachable) or 0, 0x01 and the
// relay's port (empty without a relay). Only the address the request came from is called,
// so nobody can have the server call someone else.
void MatchService::probe(const QByteArray& payload, const QHostAddress& source, Done done) {
    Outcome out;
    out.kind = Outcome::Kind::Probe;
    const qsizetype sep = payload.indexOf(kNameSep);
    const QByteArray claimed = payload.left(sep);
    const QByteArray nonce = sep < 0 ? QByteArray() : payload.mid(sep + 1);
    out.request = QStringLiteral("probe address=\"%1\"").arg(printable(claimed));
    const auto refuse = [&](const QString& why) {
        out.kind = Outcome::Kind::Refused;
        out.result = QStringLiteral("refused: ") + why;
        out.notable = true;
        done(out);
    };
    static const QByteArray nonceChars =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
    if (nonce.isEmpty() || nonce.size() > 32 ||
        !std::all_of(nonce.begin(), nonce.end(), [](char c) { return nonceChars.contains(c); }) ||
        claimed.isEmpty() || claimed.size() > kMaxAddressBytes || holdsControlByte(claimed)) {
        return refuse(QStringLiteral("not a probe request"));
    }
    const QByteArray listed = listedAddress(claimed, source, policy_);
    // HOST, HOST:PORT, [IPV6]:PORT or a bare IPv6 address, as the game writes them.
    QByteArray host = listed;
    quint16 port = 52201;
    bool portOk = true;
    if (listed.startsWith('[')) {
        const qsizetype close = listed.indexOf("]:");
        host = close < 0 ? QByteArray() : listed.mid(1, close - 1);
        port = close < 0 ? 0 : listed.mid(close + 2).toUShort(&portOk);
    } else if (listed.count(':') == 1) {
        host = listed.left(listed.indexOf(':'));
        port = listed.mid(listed.indexOf(':') + 1).toUShort(&portOk);
    }
    const QHostAddress target(QString::fromLatin1(host));
    if (!portOk || port == 0 || target.isNull())
        return refuse(QStringLiteral("the listed address is no address and port"));
    if (!target.isEqual(source, QHostAddress::TolerantConversion))
        return refuse(QStringLiteral("only the address a probe comes from is called"));
    out.request += QStringLiteral(" called=\"%1\"").arg(printable(listed));
    const quint16 relayPort = relayPort_;
    probe_->probe(
        target, port, nonce, [out, relayPort, done = std::move(done)](bool reachable) mutable {
            out.reply = QByteArray("09") + (reachable ? '1' : '0') + kNameSep +
                        (relayPort ? QByteArray::number(relayPort) : QByteArray()) + kEndMark;
            out.result =
                reachable ? QStringLiteral("09 reachable") : QStringLiteral("09 not reachable");
            done(out);
        });
}

}  // namespace matchd
