#include "core/WordList.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>
#include <cstring>

#include "core/PackedList.h"
#include "core/Random.h"
#include "core/Text.h"

namespace wordlist {

Entry splitEntry(const QString& line) {
    const qsizetype colon = line.indexOf(QLatin1Char(':'));
    if (colon < 0) {
        return {line, QString()};
    }
    return {line.left(colon), line.mid(colon + 1)};
}

qsizetype textEnd(const QByteArray& bytes) {
    const qsizetype end = bytes.indexOf('\x1a');
    return end < 0 ? bytes.size() : end;
}

namespace {

bool isContinuation(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates, nothing past
// U+10FFFF); *nonAscii tells whether any byte is above 127.
bool isUtf8(const unsigned char* p, qsizetype n, bool* nonAscii) {
    *nonAscii = false;
    qsizetype i = 0;
    while (i < n) {
        // Nearly every list is mostly ASCII: skip it eight bytes at a time.
        while (n - i >= 8) {
            quint64 word;
            std::memcpy(&word, p + i, sizeof word);
            if ((word & 0x8080808080808080ULL) != 0) {
                break;
            }
            i += 8;
        }
        if (i >= n) {
            break;
        }
        const unsigned char b = p[i];
        if (b < 0x80) {
            ++i;
            continue;
        }
        *nonAscii = true;
        int extra = 0;
        unsigned min = 0;
        unsigned cp = 0;
        if ((b & 0xE0) == 0xC0) {
            extra = 1, min = 0x80, cp = b & 0x1F;
        } else if ((b & 0xF0) == 0xE0) {
            extra = 2, min = 0x800, cp = b & 0x0F;
        } else if ((b & 0xF8) == 0xF0) {
            extra = 3, min = 0x10000, cp = b & 0x07;
        } else {
            return false;
        }
        if (n - i <= extra) {
            return false;
        }
        for (int k = 1; k <= extra; ++k) {
            if (!isContinuation(p[i + k])) {
                return false;
            }
            cp = (cp << 6) | (p[i + k] & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            return false;
        }
        i += extra + 1;
    }
    return true;
}

// Characters in UTF-8 bytes: every byte that does not continue a character starts one.
qsizetype utf8Characters(const char* p, qsizetype n) {
    qsizetype count = 0;
    for (qsizetype i = 0; i < n; ++i) {
        count += isContinuation(static_cast<unsigned char>(p[i])) ? 0 : 1;
    }
    return count;
}

}  // namespace

Layout layoutOf(const QByteArray& bytes) {
    Layout layout;
    layout.end = textEnd(bytes);
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    if (layout.end >= 3 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF) {
        layout.begin = 3;
        layout.utf8 = true;
    } else {
        bool nonAscii = false;
        layout.utf8 = isUtf8(data, layout.end, &nonAscii) && nonAscii;
        layout.ascii = !nonAscii;
    }
    const qsizetype size = layout.end - layout.begin;
    if (memchr(bytes.constData() + layout.begin, '\r', static_cast<size_t>(size)) == nullptr) {
        layout.lineEnd = '\n';
    }
    return layout;
}

qsizetype cutLine(const Layout& layout, const char* line, qsizetype length) {
    if (length <= kMaxLine) {
        return length;  // never more characters than bytes
    }
    if (!layout.utf8) {
        return kMaxLine;
    }
    qsizetype characters = 0;
    for (qsizetype i = 0; i < length; ++i) {
        if (!isContinuation(static_cast<unsigned char>(line[i])) && ++characters > kMaxLine) {
            return i;
        }
    }
    return length;
}

QString decode(const Layout& layout, const char* line, qsizetype length) {
    if (layout.ascii) {
        return QString::fromLatin1(line, length);
    }
    return layout.utf8 ? QString::fromUtf8(line, length) : text::fromAnsi(line, length);
}

bool isEntry(const Layout& layout, const char* line, qsizetype length, Skipped* skipped) {
    const void* colon = memchr(line, ':', static_cast<size_t>(length));
    const qsizetype bytes = colon ? static_cast<const char*>(colon) - line : length;
    if ((layout.utf8 && bytes > kMaxWord ? utf8Characters(line, bytes) : bytes) > kMaxWord) {
        if (skipped) {
            ++skipped->tooLong;
        }
        return false;
    }
    // A byte below 32 is the same character in every encoding the reader knows.
    for (qsizetype i = 0; i < bytes; ++i) {
        const auto b = static_cast<unsigned char>(line[i]);
        if (b < 0x20 && b != '\n') {
            if (skipped) {
                ++skipped->control;
            }
            return false;
        }
    }
    return true;
}

QByteArray readable(const QByteArray& bytes) {
    const bool little = bytes.startsWith("\xFF\xFE");
    if (!little && !bytes.startsWith("\xFE\xFF")) {
        return bytes;
    }
    // The decoder drops the mark; what is not UTF-16 (half a unit at the end, a lone
    // surrogate) becomes the replacement character, which is valid UTF-8 like the rest.
    QStringDecoder decoder(little ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
    const QString text = decoder.decode(bytes);
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

namespace {

// What one text of the lists costs: the allocator's chunk for Qt's header and the
// characters (an empty text allocates nothing).
qint64 textCost(qsizetype characters) {
    if (characters <= 0) {
        return 0;
    }
    const qint64 request = 16 + 2 * (characters + 1) + 8;
    return std::max<qint64>(32, (request + 15) / 16 * 16);
}

}  // namespace

Parsed parse(const QByteArray& bytes, Random* shuffleWith, bool* tooLarge) {
    bool packedTooLarge = false;
    const PackedList packed = PackedList::read(bytes, shuffleWith, &packedTooLarge);
    Parsed out{packed.hasTitle(), packed.title(), {}, {}, packed.skipped()};
    // Texts cost far more than the packed list: the lists stop where they would cost more
    // than the bound, and come back empty then.
    bool over = packedTooLarge;
    const qint64 budget = kMemoryPerFileByte * static_cast<qint64>(bytes.size()) + kMemoryAllowance;
    qint64 cost = 0;
    const int n = packed.size();
    const auto room =
        static_cast<qsizetype>(std::min<qint64>(n, budget / qint64(2 * sizeof(QString))));
    out.words.reserve(room);
    out.hints.reserve(room);
    for (int i = 0; i < n && !over; ++i) {
        QString word = packed.word(i);
        QString clue = packed.clue(i);
        cost += qint64(2 * sizeof(QString)) + textCost(word.size()) + textCost(clue.size());
        over = cost > budget;
        out.words.append(std::move(word));
        out.hints.append(std::move(clue));
    }
    if (over) {
        if (tooLarge) {
            *tooLarge = true;
        }
        return Parsed{out.hasTitle, out.title, {}, {}, out.skipped};
    }
    if (tooLarge) {
        *tooLarge = false;
    }
    return out;
}

FileBytes readBytes(const QString& path) {
    FileBytes result;
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        result.status = Status::CannotOpen;
        result.errorString =
            file.exists() ? QStringLiteral("File access denied") : QStringLiteral("File not found");
        return result;
    }
    const qint64 size = file.size();
    if (size > kMaxFileBytes) {
        result.status = Status::TooLarge;
        result.errorString = QStringLiteral("File is too large");
        return result;
    }
    // Read into one block of the file's size, which a loaded list goes on to hold.
    result.bytes = QByteArray(static_cast<qsizetype>(size), Qt::Uninitialized);
    qint64 got = file.read(result.bytes.data(), size);
    if (got == size) {
        // A file that grew since it was measured, or one that tells no size (some system
        // files): the rest, in pieces, never much beyond the bound.
        char piece[64 * 1024];
        qint64 n = 0;
        while (got <= kMaxFileBytes && (n = file.read(piece, sizeof piece)) > 0) {
            result.bytes.append(piece, static_cast<qsizetype>(n));
            got += n;
        }
    }
    if (file.error() != QFileDevice::NoError) {
        result.status = Status::ReadError;
        result.errorString = file.errorString();
    }
    result.bytes.resize(static_cast<qsizetype>(std::max<qint64>(got, 0)));
    if (result.status == Status::Ok && got > kMaxFileBytes) {
        result.bytes = QByteArray();
        result.status = Status::TooLarge;
        result.errorString = QStringLiteral("File is too large");
    }
    return result;
}

FileResult readFile(const QString& path, Random* shuffleWith) {
    FileBytes file = readBytes(path);
    FileResult result;
    result.status = file.status;
    result.errorString = file.errorString;
    bool tooLarge = false;
    result.list = parse(file.bytes, shuffleWith, &tooLarge);
    if (tooLarge && result.status == Status::Ok) {
        result.status = Status::TooLarge;
        result.errorString = QStringLiteral("File is too large");
    }
    return result;
}

void shuffle(QStringList& words, QStringList& hints, Random& random) {
    const auto n = static_cast<uint32_t>(words.size());
    for (uint32_t i = 0; i < n; ++i) {
        const uint32_t a = random.next(n);
        const uint32_t b = random.next(n);
        words.swapItemsAt(a, b);
        if (a < static_cast<uint32_t>(hints.size()) && b < static_cast<uint32_t>(hints.size())) {
            hints.swapItemsAt(a, b);
        }
    }
}

}  // namespace wordlist
