#pragma once

#include <QByteArray>
#include <QString>

// Word lists, the settings file and both wire protocols are 8-bit text, one byte per
// character. Bytes are decoded as Windows-1252 (Latin-1 where 1252 has no character) and
// encoded back the same way, so every byte round-trips between peers on any platform.
namespace text {

QString fromAnsi(const QByteArray& bytes);
QString fromAnsi(const char* data, qsizetype size);
// Windows-1252 bytes. A letter without an 8-bit form goes without its accent where that
// leaves a plain letter; anything else without one (a symbol, an emoji) becomes one '?'.
QByteArray toAnsi(const QString& text);
// True when every character has a Windows-1252 byte, so toAnsi() changes none.
bool fitsAnsi(const QString& text);

// Counts shown in panels: 1234 -> "1,234". Negative numbers keep their sign.
QString withThousands(long long value);

// Texts of the game state are bounded; longer input is cut, never rejected.
inline QString bounded(const QString& s, qsizetype max = 255) {
    return s.size() > max ? s.left(max) : s;
}

// Upper case of 'a'..'z' only; every other character stays as it is.
QChar asciiUpper(QChar c);
QString asciiUpper(const QString& s);

// Removes characters of code 32 and below at both ends.
QString trimControl(const QString& s);
// Removes spaces (code 32 only) at both ends.
QString trimSpaces(const QString& s);

// The leading number of a text: leading blanks skipped, an optional sign, then decimal
// digits up to the first other character; 0 when there are none. Saturates instead of
// overflowing. With hex allowed, a leading '$' or 'x' (after the sign) reads hexadecimal.
long long leadingNumber(const QString& s, bool allowHex = false);
// A number in a message payload: leading blanks skipped, then decimal digits only (no sign),
// 0 when there are none; never more than limit.
long long payloadNumber(const QString& s, long long limit = 1000000000LL);
// The same, clamped to the int range.
int leadingInt(const QString& s, bool allowHex = false);

}  // namespace text
