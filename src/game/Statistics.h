#pragma once

#include <QDate>
#include <QJsonObject>
#include <QMap>
#include <QString>
#include <array>

#include "game/Difficulty.h"

// One solo word that has ended.
struct WordResult {
    QString list;  // the list's title
    Difficulty difficulty = Difficulty::Any;
    bool solved = false;
    int misses = 0;
    long long runScore = 0;  // the game's total after this word
    qint64 seconds = 0;      // time spent on the word
    QDate daily;             // the date of a word of the day; null for a word of a list
};

// The figures of a set of words.
struct Tally {
    // A solved word has at most 26 misses: the 27 tiles less one letter of the word.
    static constexpr int kMissBuckets = 27;
    // Larger counts than this cannot come from play; a file holding them was tampered with.
    static constexpr qint64 kMaxCount = 1'000'000'000'000LL;

    qint64 played = 0;
    qint64 solved = 0;
    qint64 currentStreak = 0;  // solved words in a row, up to the last one
    qint64 bestStreak = 0;
    qint64 missesOfSolved = 0;
    qint64 bestScore = 0;
    qint64 seconds = 0;
    std::array<qint64, kMissBuckets> misses{};  // solved words by their misses

    qint64 lost() const { return played - solved; }
    int winPercent() const;        // rounded; 0 before any word
    double averageMisses() const;  // per solved word; 0 before any
    qint64 mostInOneBucket() const;
    void add(const WordResult& result);

    QJsonObject toJson() const;
    // False when a field has the wrong type; impossible figures (negative, a streak longer
    // than the words solved, more solved than played) are repaired and *repaired set.
    static bool fromJson(const QJsonObject& json, Tally* tally, bool* repaired);
};

// Every figure kept: overall, per list and per difficulty for the run through a list, and
// the word of the day apart with one result per date.
class Statistics {
public:
    static constexpr int kVersion = 1;
    // Bounds on what a file may hold, so that a crafted one cannot exhaust memory.
    static constexpr int kMaxLists = 1000;
    static constexpr int kMaxDays = 4000;

    const Tally& overall() const { return overall_; }
    const Tally& daily() const { return daily_; }
    const QMap<QString, Tally>& lists() const { return lists_; }
    const QMap<QString, Tally>& difficulties() const { return difficulties_; }
    // The results of the word of the day: misses, or -1 when it was lost.
    const QMap<QDate, int>& days() const { return days_; }
    bool dailyTried(const QDate& date) const { return days_.contains(date); }
    bool empty() const { return overall_.played == 0 && daily_.played == 0; }

    // False when the result is refused: a second try of a day already played.
    bool record(const WordResult& result);

    QJsonObject toJson() const;
    enum class Read { Ok, Repaired, Damaged, Newer };
    Read fromJson(const QJsonObject& json);

private:
    void updateDailyStreak();

    Tally overall_;
    Tally daily_;
    QMap<QString, Tally> lists_;
    QMap<QString, Tally> difficulties_;
    QMap<QDate, int> days_;
};
