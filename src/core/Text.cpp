#include "core/Text.h"

#include <algorithm>
#include <limits>

namespace text {
namespace {

// Windows-1252 characters of bytes 0x80..0x9F; 0 where the code page has none (those bytes
// decode as their Latin-1 control characters).
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char encodeChar(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<char>(c);
    }
    for (int i = 0; i < 32; ++i) {
        if (kCp1252High[i] == c || (kCp1252High[i] == 0 && c == 0x80 + i)) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

}  // namespace

QString fromAnsi(const char* data, qsizetype size) {
    if (size <= 0) {
        return QString();
    }
    // Plain ASCII (nearly every word list) takes Qt's fast path.
    bool ascii = true;
    for (qsizetype i = 0; i < size && ascii; ++i) {
        ascii = static_cast<unsigned char>(data[i]) < 0x80;
    }
    if (ascii) {
        return QString::fromLatin1(data, size);
    }
    QString out(size, Qt::Uninitialized);
    QChar* dst = out.data();
    for (qsizetype i = 0; i < size; ++i) {
        const auto b = static_cast<unsigned char>(data[i]);
        char16_t c = b;
        if (b >= 0x80 && b < 0xA0 && kCp1252High[b - 0x80] != 0) {
            c = kCp1252High[b - 0x80];
        }
        dst[i] = QChar(c);
    }
    return out;
}

QString fromAnsi(const QByteArray& bytes) {
    return fromAnsi(bytes.constData(), bytes.size());
}

QByteArray toAnsi(const QString& s) {
    QByteArray out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s.at(i);
        char byte = encodeChar(c.unicode());
        if (byte == '?' && c != QLatin1Char('?')) {
            // A letter the code page lacks loses its accent (Z with a dot above goes as Z), so
            // the opponent can still guess it; anything else goes as one '?'.
            const QString base = QString(c).normalized(QString::NormalizationForm_D);
            if (!base.isEmpty() && base.at(0) != c && base.at(0).unicode() < 0x80) {
                byte = static_cast<char>(base.at(0).unicode());
            }
            if (c.isHighSurrogate() && i + 1 < s.size() && s.at(i + 1).isLowSurrogate()) {
                ++i;
            }
        }
        out.append(byte);
    }
    return out;
}

bool fitsAnsi(const QString& text) {
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        return c == QLatin1Char('?') || encodeChar(c.unicode()) != '?';
    });
}

QString withThousands(long long value) {
    const bool negative = value < 0;
    // Work on the unsigned magnitude so that the smallest value does not overflow.
    unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(value)
                                            : static_cast<unsigned long long>(value);
    QString digits = QString::number(magnitude);
    QString out;
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) {
            out += QLatin1Char(',');
        }
        out += digits.at(i);
    }
    return negative ? QLatin1Char('-') + out : out;
}

QChar asciiUpper(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 'a' && u <= 'z') ? QChar(static_cast<char16_t>(u - 32)) : c;
}

QString asciiUpper(const QString& s) {
    QString out = s;
    for (QChar& c : out) {
        c = asciiUpper(c);
    }
    return out;
}

QString trimControl(const QString& s) {
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && s.at(b).unicode() <= 32) {
        ++b;
    }
    while (e > b && s.at(e - 1).unicode() <= 32) {
        --e;
    }
    return s.mid(b, e - b);
}

QString trimSpaces(const QString& s) {
    qsizetype b = 0;
    qsizetype e = s.size();
    while (e > b && s.at(e - 1) == QLatin1Char(' ')) {
        --e;
    }
    while (b < e && s.at(b) == QLatin1Char(' ')) {
        ++b;
    }
    return s.mid(b, e - b);
}

long long leadingNumber(const QString& s, bool allowHex) {
    constexpr long long kMax = std::numeric_limits<long long>::max();
    qsizetype i = 0;
    while (i < s.size() && (s.at(i) == QLatin1Char(' ') || s.at(i) == QLatin1Char('\t'))) {
        ++i;
    }
    bool negative = false;
    if (i < s.size() && (s.at(i) == QLatin1Char('-') || s.at(i) == QLatin1Char('+'))) {
        negative = s.at(i) == QLatin1Char('-');
        ++i;
    }
    int base = 10;
    if (allowHex && i < s.size()) {
        const QChar c = s.at(i);
        if (c == QLatin1Char('$') || c == QLatin1Char('x') || c == QLatin1Char('X')) {
            base = 16;
            ++i;
        } else if (c == QLatin1Char('0') && i + 1 < s.size() &&
                   (s.at(i + 1) == QLatin1Char('x') || s.at(i + 1) == QLatin1Char('X'))) {
            base = 16;
            i += 2;
        }
    }
    long long value = 0;
    for (; i < s.size(); ++i) {
        const char16_t c = s.at(i).unicode();
        int digit = -1;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (base == 16 && c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (base == 16 && c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        }
        if (digit < 0) {
            break;
        }
        if (value > (kMax - digit) / base) {
            value = kMax;
        } else {
            value = value * base + digit;
        }
    }
    return negative ? -value : value;
}

long long payloadNumber(const QString& s, long long limit) {
    qsizetype i = 0;
    while (i < s.size() && s.at(i) == QLatin1Char(' ')) {
        ++i;
    }
    long long value = 0;
    for (; i < s.size(); ++i) {
        const char16_t c = s.at(i).unicode();
        if (c < '0' || c > '9') {
            break;
        }
        value = value * 10 + (c - '0');
        if (value >= limit) {
            return limit;
        }
    }
    return value;
}

int leadingInt(const QString& s, bool allowHex) {
    const long long v = leadingNumber(s, allowHex);
    if (v > std::numeric_limits<int>::max()) {
        return std::numeric_limits<int>::max();
    }
    if (v < std::numeric_limits<int>::min()) {
        return std::numeric_limits<int>::min();
    }
    return static_cast<int>(v);
}

}  // namespace text
