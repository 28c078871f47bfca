#include "game/DailyWord.h"

#include <numeric>

namespace dailyword {

QDate epoch() {
    return QDate(2026, 1, 1);
}

int indexFor(const QDate& date, int n) {
    if (n < 1 || !date.isValid()) {
        return 0;
    }
    long long step = 7919;
    while (std::gcd(step, static_cast<long long>(n)) != 1) {
        ++step;
    }
    const long long i = ((epoch().daysTo(date) % n) + n) % n;
    return static_cast<int>((i * step + 11) % n);
}

QDate localDate(const QDateTime& instant, const QTimeZone& zone) {
    return instant.toTimeZone(zone).date();
}

// Never translated: players of every language paste it side by side to compare.
QString shareLine(const QDate& date, bool solved, int misses, int guessesAllowed) {
    const QString day = date.toString(Qt::ISODate);
    if (!solved) {
        return QStringLiteral("Ropewit word of the day %1: not solved (%2 misses)")
            .arg(day)
            .arg(guessesAllowed);
    }
    return QStringLiteral("Ropewit word of the day %1: solved with %2 miss%3 of %4")
        .arg(day)
        .arg(misses)
        .arg(misses == 1 ? QString() : QStringLiteral("es"))
        .arg(guessesAllowed);
}

}  // namespace dailyword
