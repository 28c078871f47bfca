#include "dialogs/WordListEditorModel.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <limits>
#include <numeric>
#include <vector>

#include "core/Random.h"
#include "core/Text.h"
#include "core/WholeFile.h"
#include "core/WordList.h"

namespace {

// A carriage return or an end-of-file byte inside a line would split the line or end the
// file when the list is read again; they are written as blanks.
QString oneLine(const QString& s) {
    QString out = s;
    for (QChar& c : out) {
        if (c == QLatin1Char('\r') || c == QChar(0x1a)) {
            c = QLatin1Char(' ');
        }
    }
    return out;
}

// An entry or the title as a line of the file.
QByteArray line(const QString& s) {
    return text::toAnsi(oneLine(text::trimControl(s))) + "\r\n";
}

}  // namespace

QString WordListEditorModel::makeEntry(const QString& word, const QString& clue) {
    const QString w = text::trimControl(word);
    if (w.isEmpty()) {
        return {};
    }
    return w + QLatin1Char(':') + text::trimControl(clue);
}

void WordListEditorModel::setEntries(const QStringList& entries) {
    entries_.clear();
    for (const QString& e : entries) {
        entries_.append(e);
    }
}

bool WordListEditorModel::add(const QString& word, const QString& clue) {
    const QString entry = makeEntry(word, clue);
    if (entry.isEmpty()) {
        return false;
    }
    return entries_.append(entry);
}

int WordListEditorModel::remove(int i) {
    if (i < 0 || i >= size()) {
        return -1;
    }
    entries_.removeAt(i);
    return i < size() ? i : size() - 1;
}

int WordListEditorModel::moveUp(int i) {
    if (i <= 0 || i >= size()) {
        return i;
    }
    entries_.swap(i, i - 1);
    return i - 1;
}

int WordListEditorModel::moveDown(int i) {
    if (i < 0 || i >= size() - 1) {
        return i;
    }
    entries_.swap(i, i + 1);
    return i + 1;
}

int WordListEditorModel::sort(int follow) {
    // Keys are made once: lists opened from files can be long.
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<QCollatorSortKey> keys;
    keys.reserve(static_cast<std::size_t>(size()));
    for (int i = 0; i < size(); ++i) {
        keys.push_back(collator.sortKey(entries_.at(i).toLower()));
    }
    std::vector<int> order(static_cast<std::size_t>(size()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const int c = keys[a].compare(keys[b]);
        if (c != 0) {
            return c < 0;
        }
        // Entries equal but for case keep one fixed order whatever the collation.
        return QString::compare(entries_.at(a), entries_.at(b), Qt::CaseInsensitive) < 0;
    });
    keys = {};
    int followed = -1;
    for (int k = 0; k < static_cast<int>(order.size()); ++k) {
        if (order[k] == follow) {
            followed = k;
        }
    }
    entries_.reorder(order);
    return followed;
}

int WordListEditorModel::shuffle(Random& random, int follow) {
    const auto n = static_cast<uint32_t>(entries_.size());
    if (follow < 0 || follow >= size()) {
        follow = -1;
    }
    for (uint32_t k = 0; k < n; ++k) {
        const auto a = static_cast<int>(random.next(n));
        const auto b = static_cast<int>(random.next(n));
        entries_.swap(a, b);
        if (follow == a) {
            follow = b;
        } else if (follow == b) {
            follow = a;
        }
    }
    return follow;
}

WordListEditorModel::Parsed WordListEditorModel::parse(const QByteArray& bytes) {
    Parsed out;
    const wordlist::Layout layout = wordlist::layoutOf(bytes);
    // Two walks over the lines: the first counts what the entries will take, so a list over
    // the bound allocates nothing and one within it is allocated once at its final size.
    qint64 entries = 0;
    qint64 recordBytes = 0;
    wordlist::forEachLine(layout, bytes, [&](const char* line, qsizetype length) {
        if (!out.hasTitle) {
            out.hasTitle = true;
            out.title = wordlist::decode(layout, line, length);
        } else if (wordlist::wordLength(layout, line, length) <= kMaxWord) {
            ++entries;
            recordBytes += EntryStore::recordBytes(length);
        }
    });
    const qint64 size = bytes.size();
    if (size + recordBytes + (qint64(sizeof(quint32)) + kShownBytesPerEntry) * entries >
            kPerFileByte * size + kAllowance ||
        recordBytes > std::numeric_limits<quint32>::max() ||
        entries > std::numeric_limits<int>::max()) {
        out.tooLarge = true;
        return out;
    }
    out.entries.reserve(static_cast<qsizetype>(entries), recordBytes);
    const auto encoding = layout.utf8 ? EntryStore::Encoding::Utf8 : EntryStore::Encoding::Ansi;
    bool title = false;
    wordlist::forEachLine(layout, bytes, [&](const char* line, qsizetype length) {
        if (!title) {
            title = true;
        } else if (wordlist::wordLength(layout, line, length) <= kMaxWord) {
            out.entries.append(line, length, encoding);
        }
    });
    return out;
}

WordListEditorModel::OpenOutcome WordListEditorModel::open(const QString& path) {
    entries_.clear();
    OpenOutcome out;
    const wordlist::FileBytes file = wordlist::readBytes(path);
    if (file.status != wordlist::Status::Ok) {
        out.ok = false;
        // The editor keeps nothing of a file it could not read to the end.
        out.error = file.status == wordlist::Status::ReadError ? QStringLiteral("Disk read error")
                                                               : file.errorString;
        return out;
    }
    Parsed parsed = parse(file.bytes);
    if (parsed.tooLarge) {
        out.ok = false;
        out.error = QStringLiteral("File is too large");
        return out;
    }
    entries_ = std::move(parsed.entries);
    out.hasTitle = parsed.hasTitle;
    out.title = parsed.title;
    return out;
}

QByteArray WordListEditorModel::format(const QString& title, const QStringList& entries) {
    QByteArray out = line(title);
    for (const QString& entry : entries) {
        out += line(entry);
    }
    return out;
}

bool WordListEditorModel::write(const QString& title,
                                const std::function<bool(const QByteArray&)>& out) const {
    // In parts, so a long list never needs a second copy of itself as one block of bytes.
    constexpr qsizetype kPart = 256 * 1024;
    QByteArray part = line(title);
    for (int i = 0; i < size(); ++i) {
        part += line(entries_.at(i));
        if (part.size() >= kPart) {
            if (!out(part)) {
                return false;
            }
            part.clear();
        }
    }
    return out(part);
}

WordListEditorModel::Outcome WordListEditorModel::save(const QString& path,
                                                       const QString& title) const {
    Outcome out;
    const QFileInfo info(path);
    if (!info.absoluteDir().exists()) {
        out.ok = false;
        out.error = QStringLiteral("Path not found");
        return out;
    }
    if (info.isDir()) {
        out.ok = false;
        out.error = QStringLiteral("File access denied");
        return out;
    }
    WholeFile file(path);
    if (!file.open()) {
        out.ok = false;
        out.error = QStringLiteral("File access denied");
        return out;
    }
    // Every write and the sync are checked; the old list is replaced only by a whole one.
    if (!write(title, [&](const QByteArray& part) { return file.write(part); }) || !file.commit()) {
        out.ok = false;
        out.error = QStringLiteral("Disk write error");
        return out;
    }
    return out;
}
