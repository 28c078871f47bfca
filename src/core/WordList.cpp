#include "core/WordList.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>

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

Parsed parse(const QByteArray& bytes) {
    Parsed out;
    const char* data = bytes.constData();
    qsizetype end = bytes.indexOf('\x1a');
    if (end < 0) {
        end = bytes.size();
    }
    // One entry per carriage return at most: reserve once instead of growing.
    const qsizetype lines = std::count(data, data + end, '\r') + 1;
    out.words.reserve(lines);
    out.hints.reserve(lines);
    qsizetype pos = 0;
    bool first = true;
    while (pos < end) {
        qsizetype lineEnd = pos;
        while (lineEnd < end && data[lineEnd] != '\r') {
            ++lineEnd;
        }
        const qsizetype length = qMin<qsizetype>(lineEnd - pos, kMaxLine);
        if (first) {
            out.hasTitle = true;
            out.title = text::fromAnsi(data + pos, length);
            first = false;
        } else {
            // The word ends at the first colon; only then is the text worth decoding.
            const char* lineStart = data + pos;
            const void* colon = memchr(lineStart, ':', static_cast<size_t>(length));
            const qsizetype wordLength =
                colon ? static_cast<const char*>(colon) - lineStart : length;
            if (wordLength <= kMaxWord) {
                out.words.append(text::fromAnsi(lineStart, wordLength));
                out.hints.append(
                    colon ? text::fromAnsi(lineStart + wordLength + 1, length - wordLength - 1)
                          : QString());
            }
        }
        pos = lineEnd;
        if (pos < end) {
            ++pos;  // the carriage return
            if (pos < end && data[pos] == '\n') {
                ++pos;
            }
        }
    }
    return out;
}

FileResult readFile(const QString& path) {
    FileResult result;
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        result.status = Status::CannotOpen;
        result.errorString =
            file.exists() ? QStringLiteral("File access denied") : QStringLiteral("File not found");
        return result;
    }
    if (file.size() > kMaxFileBytes) {
        result.status = Status::TooLarge;
        result.errorString = QStringLiteral("File is too large");
        return result;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.status = Status::ReadError;
        result.errorString = file.errorString();
    }
    result.list = parse(bytes);
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
