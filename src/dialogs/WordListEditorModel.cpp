#include "dialogs/WordListEditorModel.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
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

}  // namespace

QString WordListEditorModel::makeEntry(const QString& word, const QString& clue) {
    const QString w = text::trimControl(word);
    if (w.isEmpty()) {
        return {};
    }
    return w + QLatin1Char(':') + text::trimControl(clue);
}

bool WordListEditorModel::add(const QString& word, const QString& clue) {
    const QString entry = makeEntry(word, clue);
    if (entry.isEmpty()) {
        return false;
    }
    entries_.append(entry);
    return true;
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
    entries_.swapItemsAt(i, i - 1);
    return i - 1;
}

int WordListEditorModel::moveDown(int i) {
    if (i < 0 || i >= size() - 1) {
        return i;
    }
    entries_.swapItemsAt(i, i + 1);
    return i + 1;
}

int WordListEditorModel::sort(int follow) {
    // Keys are made once: lists opened from files can be long.
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<QCollatorSortKey> keys;
    keys.reserve(entries_.size());
    for (const QString& e : std::as_const(entries_)) {
        keys.push_back(collator.sortKey(e.toLower()));
    }
    std::vector<int> order(entries_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const int c = keys[a].compare(keys[b]);
        if (c != 0) {
            return c < 0;
        }
        // Entries equal but for case keep one fixed order whatever the collation.
        return QString::compare(entries_.at(a), entries_.at(b), Qt::CaseInsensitive) < 0;
    });
    QStringList sorted;
    sorted.reserve(entries_.size());
    int followed = -1;
    for (int k = 0; k < static_cast<int>(order.size()); ++k) {
        sorted.append(entries_.at(order[k]));
        if (order[k] == follow) {
            followed = k;
        }
    }
    entries_ = sorted;
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
        entries_.swapItemsAt(a, b);
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
    // Every entry is a text here, so the bound is that of the texts reader (the game's packed
    // list is far cheaper): a list of millions of empty lines is refused, not held.
    const qint64 budget = wordlist::kMemoryPerFileByte * static_cast<qint64>(bytes.size()) +
                          wordlist::kMemoryAllowance;
    qint64 cost = 0;
    wordlist::forEachLine(layout, bytes, [&](const char* line, qsizetype length) {
        if (!out.hasTitle) {
            out.hasTitle = true;
            out.title = wordlist::decode(layout, line, length);
        } else if (!out.tooLarge && wordlist::wordLength(layout, line, length) <= kMaxWord) {
            cost += qint64(sizeof(QString)) + 32 + 2 * length;
            if (cost > budget) {
                out.tooLarge = true;
                out.entries = QStringList();
                return;
            }
            out.entries.append(wordlist::decode(layout, line, length));
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
    QByteArray out = text::toAnsi(oneLine(text::trimControl(title)));
    out += "\r\n";
    for (const QString& entry : entries) {
        out += text::toAnsi(oneLine(text::trimControl(entry)));
        out += "\r\n";
    }
    return out;
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
    if (!file.write(format(title, entries_)) || !file.commit()) {
        out.ok = false;
        out.error = QStringLiteral("Disk write error");
        return out;
    }
    return out;
}
