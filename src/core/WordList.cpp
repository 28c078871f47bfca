#include "core/WordList.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>
#include <vector>

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

qsizetype wordLength(const char* line, qsizetype length) {
    const void* colon = memchr(line, ':', static_cast<size_t>(length));
    return colon ? static_cast<const char*>(colon) - line : length;
}

namespace {

// Where an entry's word and clue lie in the file's bytes.
struct EntryRef {
    qsizetype word;
    qsizetype wordLength;
    qsizetype clue;  // -1: no colon, no clue
    qsizetype clueLength;
};

template <typename T>
void shuffleItems(T& items, Random& random) {
    const auto n = static_cast<uint32_t>(items.size());
    for (uint32_t i = 0; i < n; ++i) {
        const uint32_t a = random.next(n);
        const uint32_t b = random.next(n);
        std::swap(items[a], items[b]);
    }
}

}  // namespace

Parsed parse(const QByteArray& bytes, Random* shuffleWith) {
    Parsed out;
    const char* base = bytes.constData();
    // One entry per carriage return at most: reserve once instead of growing.
    const qsizetype lines = std::count(base, base + textEnd(bytes), '\r') + 1;
    std::vector<EntryRef> entries;
    entries.reserve(static_cast<size_t>(lines));
    forEachLine(bytes, [&](const char* line, qsizetype length) {
        if (!out.hasTitle) {
            out.hasTitle = true;
            out.title = text::fromAnsi(line, length);
            return;
        }
        const qsizetype word = wordLength(line, length);
        if (word <= kMaxWord) {
            const qsizetype at = line - base;
            entries.push_back({at, word, word < length ? at + word + 1 : -1, length - word - 1});
        }
    });
    if (shuffleWith) {
        shuffleItems(entries, *shuffleWith);
    }
    out.words.reserve(static_cast<qsizetype>(entries.size()));
    out.hints.reserve(static_cast<qsizetype>(entries.size()));
    for (const EntryRef& e : entries) {
        out.words.append(text::fromAnsi(base + e.word, e.wordLength));
        out.hints.append(e.clue < 0 ? QString() : text::fromAnsi(base + e.clue, e.clueLength));
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
    if (file.size() > kMaxFileBytes) {
        result.status = Status::TooLarge;
        result.errorString = QStringLiteral("File is too large");
        return result;
    }
    result.bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.status = Status::ReadError;
        result.errorString = file.errorString();
    }
    return result;
}

FileResult readFile(const QString& path, Random* shuffleWith) {
    FileBytes file = readBytes(path);
    FileResult result;
    result.status = file.status;
    result.errorString = file.errorString;
    result.list = parse(file.bytes, shuffleWith);
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
