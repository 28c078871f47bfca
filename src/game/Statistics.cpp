#include "game/Statistics.h"

#include <QJsonArray>
#include <QJsonValue>
#include <algorithm>
#include <cmath>

namespace {

const QString kPlayed = QStringLiteral("played");
const QString kSolved = QStringLiteral("solved");
const QString kCurrentStreak = QStringLiteral("currentStreak");
const QString kBestStreak = QStringLiteral("bestStreak");
const QString kMissesOfSolved = QStringLiteral("missesOfSolved");
const QString kBestScore = QStringLiteral("bestScore");
const QString kSeconds = QStringLiteral("seconds");
const QString kMisses = QStringLiteral("misses");

// A count read from a file: missing is 0; a non-number is damage; a fraction, a negative
// or an impossible size is brought into range and counts as repaired.
bool readCount(const QJsonValue& value, qint64* out, bool* repaired) {
    if (value.isUndefined()) {
        *out = 0;
        return true;
    }
    if (!value.isDouble()) {
        return false;
    }
    const double d = value.toDouble();
    double kept = std::floor(d);
    kept = std::clamp(kept, 0.0, static_cast<double>(Tally::kMaxCount));
    if (kept != d || !std::isfinite(d)) {
        *repaired = true;
    }
    *out = static_cast<qint64>(kept);
    return true;
}

void clampTo(qint64& value, qint64 most, bool* repaired) {
    if (value > most) {
        value = most;
        *repaired = true;
    }
}

}  // namespace

int Tally::winPercent() const {
    return played > 0 ? static_cast<int>((solved * 100 + played / 2) / played) : 0;
}

double Tally::averageMisses() const {
    return solved > 0 ? static_cast<double>(missesOfSolved) / static_cast<double>(solved) : 0.0;
}

qint64 Tally::mostInOneBucket() const {
    return *std::max_element(misses.begin(), misses.end());
}

void Tally::add(const WordResult& result) {
    ++played;
    seconds += std::max<qint64>(0, result.seconds);
    bestScore = std::max<qint64>(bestScore, result.runScore);
    if (!result.solved) {
        currentStreak = 0;
        return;
    }
    ++solved;
    const int m = std::clamp(result.misses, 0, kMissBuckets - 1);
    missesOfSolved += m;
    ++misses[static_cast<size_t>(m)];
    ++currentStreak;
    bestStreak = std::max(bestStreak, currentStreak);
}

QJsonObject Tally::toJson() const {
    int used = kMissBuckets;
    while (used > 0 && misses[static_cast<size_t>(used - 1)] == 0) {
        --used;
    }
    QJsonArray buckets;
    for (int i = 0; i < used; ++i) {
        buckets.append(static_cast<double>(misses[static_cast<size_t>(i)]));
    }
    return {{kPlayed, static_cast<double>(played)},
            {kSolved, static_cast<double>(solved)},
            {kCurrentStreak, static_cast<double>(currentStreak)},
            {kBestStreak, static_cast<double>(bestStreak)},
            {kMissesOfSolved, static_cast<double>(missesOfSolved)},
            {kBestScore, static_cast<double>(bestScore)},
            {kSeconds, static_cast<double>(seconds)},
            {kMisses, buckets}};
}

bool Tally::fromJson(const QJsonObject& json, Tally* tally, bool* repaired) {
    Tally t;
    const std::pair<const QString*, qint64*> fields[] = {{&kPlayed, &t.played},
                                                         {&kSolved, &t.solved},
                                                         {&kCurrentStreak, &t.currentStreak},
                                                         {&kBestStreak, &t.bestStreak},
                                                         {&kMissesOfSolved, &t.missesOfSolved},
                                                         {&kBestScore, &t.bestScore},
                                                         {&kSeconds, &t.seconds}};
    for (const auto& [name, field] : fields) {
        if (!readCount(json.value(*name), field, repaired)) {
            return false;
        }
    }
    const QJsonValue buckets = json.value(kMisses);
    if (!buckets.isUndefined() && !buckets.isArray()) {
        return false;
    }
    const QJsonArray array = buckets.toArray();
    if (array.size() > kMissBuckets) {
        *repaired = true;
    }
    qint64 inBuckets = 0;
    for (int i = 0; i < std::min<int>(kMissBuckets, array.size()); ++i) {
        if (!readCount(array.at(i), &t.misses[static_cast<size_t>(i)], repaired)) {
            return false;
        }
        inBuckets += t.misses[static_cast<size_t>(i)];
    }
    // The figures depend on one another: what cannot be has been edited or damaged, and
    // the smaller figure is the one more likely true.
    clampTo(t.solved, t.played, repaired);
    clampTo(t.bestStreak, t.solved, repaired);
    clampTo(t.currentStreak, t.bestStreak, repaired);
    if (inBuckets != t.solved) {
        *repaired = true;
        t.misses = {};
        t.misses[0] = t.solved;
        t.missesOfSolved = 0;
    }
    *tally = t;
    return true;
}

bool Statistics::record(const WordResult& result) {
    if (result.daily.isValid()) {
        if (dailyTried(result.daily)) {
            return false;
        }
        days_.insert(result.daily, result.solved ? std::max(0, result.misses) : -1);
        while (days_.size() > kMaxDays) {
            days_.erase(days_.begin());
        }
        daily_.add(result);
        updateDailyStreak();
        return true;
    }
    overall_.add(result);
    lists_[result.list].add(result);
    difficulties_[difficulty::key(result.difficulty)].add(result);
    return true;
}

// The streak of the word of the day counts days, not words: the days solved in a row up to
// the latest day played, so a day missed or a clock put forward ends it.
void Statistics::updateDailyStreak() {
    qint64 streak = 0;
    QDate day = days_.isEmpty() ? QDate() : days_.lastKey();
    while (day.isValid() && days_.value(day, -1) >= 0) {
        ++streak;
        day = day.addDays(-1);
    }
    daily_.currentStreak = streak;
    daily_.bestStreak = std::max(daily_.bestStreak, streak);
}

namespace {

const QString kFormat = QStringLiteral("format");
const QString kFormatName = QStringLiteral("ropewit-statistics");
const QString kVersionKey = QStringLiteral("version");
const QString kOverall = QStringLiteral("overall");
const QString kLists = QStringLiteral("lists");
const QString kDifficulties = QStringLiteral("difficulties");
const QString kDaily = QStringLiteral("daily");
const QString kDays = QStringLiteral("days");

QJsonObject tallies(const QMap<QString, Tally>& map) {
    QJsonObject json;
    for (auto it = map.begin(); it != map.end(); ++it) {
        json.insert(it.key(), it.value().toJson());
    }
    return json;
}

bool readTallies(const QJsonValue& value, QMap<QString, Tally>* map, bool* repaired) {
    if (value.isUndefined()) {
        return true;
    }
    if (!value.isObject()) {
        return false;
    }
    const QJsonObject json = value.toObject();
    for (auto it = json.begin(); it != json.end(); ++it) {
        if (map->size() >= Statistics::kMaxLists) {
            *repaired = true;
            break;
        }
        Tally t;
        if (!it.value().isObject() || !Tally::fromJson(it.value().toObject(), &t, repaired)) {
            return false;
        }
        map->insert(it.key(), t);
    }
    return true;
}

}  // namespace

QJsonObject Statistics::toJson() const {
    QJsonObject days;
    for (auto it = days_.begin(); it != days_.end(); ++it) {
        days.insert(it.key().toString(Qt::ISODate), it.value());
    }
    QJsonObject daily = daily_.toJson();
    daily.insert(kDays, days);
    return {{kFormat, kFormatName},
            {kVersionKey, kVersion},
            {kOverall, overall_.toJson()},
            {kLists, tallies(lists_)},
            {kDifficulties, tallies(difficulties_)},
            {kDaily, daily}};
}

Statistics::Read Statistics::fromJson(const QJsonObject& json) {
    if (json.value(kFormat).toString() != kFormatName || !json.value(kVersionKey).isDouble()) {
        return Read::Damaged;
    }
    if (json.value(kVersionKey).toDouble() > kVersion) {
        return Read::Newer;
    }
    Statistics s;
    bool repaired = false;
    const QJsonValue daily = json.value(kDaily);
    if (!json.value(kOverall).isObject() || !daily.isObject() ||
        !Tally::fromJson(json.value(kOverall).toObject(), &s.overall_, &repaired) ||
        !Tally::fromJson(daily.toObject(), &s.daily_, &repaired) ||
        !readTallies(json.value(kLists), &s.lists_, &repaired) ||
        !readTallies(json.value(kDifficulties), &s.difficulties_, &repaired)) {
        return Read::Damaged;
    }
    const QJsonValue days = daily.toObject().value(kDays);
    if (!days.isUndefined() && !days.isObject()) {
        return Read::Damaged;
    }
    const QJsonObject dayMap = days.toObject();
    for (auto it = dayMap.begin(); it != dayMap.end(); ++it) {
        const QDate date = QDate::fromString(it.key(), Qt::ISODate);
        if (!date.isValid() || !it.value().isDouble()) {
            return Read::Damaged;
        }
        s.days_.insert(date, std::clamp(it.value().toInt(), -1, Tally::kMissBuckets - 1));
    }
    while (s.days_.size() > kMaxDays) {
        s.days_.erase(s.days_.begin());
        repaired = true;
    }
    const qint64 best = s.daily_.bestStreak;
    s.updateDailyStreak();
    s.daily_.bestStreak = std::max(best, s.daily_.currentStreak);
    *this = s;
    return repaired ? Read::Repaired : Read::Ok;
}
