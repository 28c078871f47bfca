#include "MatchService.h"

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
                [out, done = std::move(done)](RemoveResult result) mutable {
                    switch (result) {
                        case RemoveResult::Removed:
                            out.result = QStringLiteral("removed");
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

}  // namespace matchd
