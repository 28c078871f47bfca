#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTimeZone>

// The word of the day. Everybody gets the same word on the same calendar date, the date of
// the player's own clock and time zone, as the daily web word games do. The rule:
//
//   day   = days from 1 January 2026 to the date (negative before it)
//   i     = day modulo n, from 0 to n - 1 (n: the number of words in the daily list)
//   index = (i * step + 11) modulo n
//
// where step is the first number from 7919 on that has no common divisor with n. For such a
// step the formula is a permutation of 0 .. n - 1, so n days in a row never repeat a word;
// and it depends on nothing but the date and the list, so every machine agrees.
namespace dailyword {

// The list shipped for the purpose, in the program's folder.
inline constexpr char kListName[] = "DAILY.TXT";

QDate epoch();
// The position of the word for the date in a list of n words (0 when n < 1).
int indexFor(const QDate& date, int n);
// The calendar date at an instant on a clock in the given zone.
QDate localDate(const QDateTime& instant, const QTimeZone& zone);
// The line to share: the date, solved or not and the misses, never the word.
QString shareLine(const QDate& date, bool solved, int misses, int guessesAllowed);

}  // namespace dailyword
