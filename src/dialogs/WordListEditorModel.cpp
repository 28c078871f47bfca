#include "dialogs/WordListEditorModel.h"

#include <QCollator>
#include <QCoreApplication>
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
#include "game/Alphabet.h"

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
QByteArray line(const QString& s, bool utf8) {
    const QString one = oneLine(text::trimControl(s));
    return (utf8 ? one.toUtf8() : text::toAnsi(one)) + "\r\n";
}

}  // namespace

QString WordListEditorModel::makeEntry(const QString& word, const QString& clue) {
    const QString w = text::trimControl(word);
    if (w.isEmpty()) {
        return {};
    }
    return w + QLatin1Char(':') + text::trimControl(clue);
}

QString WordListEditorModel::tooLong(const QString& word) {
    const QString w = text::trimControl(word);
    if (w.size() <= kMaxWord) {
        return {};
    }
    return QCoreApplication::translate("TDoWordList",
                                       "\"%1\" has %2 characters, but a word may have at "
                                       "most %3: the game would leave it out.")
        .arg(w)
        .arg(w.size())
        .arg(kMaxWord);
}

QString WordListEditorModel::unguessable(const QString& word) {
    for (const QChar c : text::trimControl(word)) {
        const char16_t u = text::asciiUpper(c).unicode();
        if ((u < u'A' || u > u'Z') && u != u' ' && !Alphabet::isExtra(c)) {
            return QCoreApplication::translate("TDoWordList",
                                               "\"%1\" holds \"%2\", which no letter tile "
                                               "can guess: nobody could ever solve it.")
                .arg(text::trimControl(word), QString(c));
        }
    }
    return {};
}

void WordListEditorModel::setEntries(const QStringList& entries) {
    modified_ = true;
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
    modified_ = true;
    return entries_.append(entry);
}

int WordListEditorModel::remove(int i) {
    if (i < 0 || i >= size()) {
        return -1;
    }
    modified_ = true;
    entries_.removeAt(i);
    return i < size() ? i : size() - 1;
}

int WordListEditorModel::moveUp(int i) {
    if (i <= 0 || i >= size()) {
        return i;
    }
    modified_ = true;
    entries_.swap(i, i - 1);
    return i - 1;
}

int WordListEditorModel::moveDown(int i) {
    if (i < 0 || i >= size() - 1) {
        return i;
    }
    modified_ = true;
    entries_.swap(i, i + 1);
    return i + 1;
}

int WordListEditorModel::sort(int follow, int run) {
    // A collation key costs some hundred bytes, more than the entry itself: keys are made for
    // one run of entries at a time, each run sorted on its own, and the runs then merged with
    // the key of each run's first entry alone.
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    auto keyOf = [&](int i) { return collator.sortKey(entries_.at(i).toLower()); };
    // Entries equal but for case keep one fixed order whatever the collation; entries equal
    // in every way keep theirs.
    auto tie = [&](int a, int b) {
        return QString::compare(entries_.at(a), entries_.at(b), Qt::CaseInsensitive);
    };
    const int n = size();
    run = qMax(run, 1);
    std::vector<int> order(static_cast<std::size_t>(n));
    std::iota(order.begin(), order.end(), 0);
    for (int first = 0; first < n; first += run) {
        const int last = first + qMin(run, n - first);
        std::vector<QCollatorSortKey> keys;
        keys.reserve(static_cast<std::size_t>(last - first));
        for (int i = first; i < last; ++i) {
            keys.push_back(keyOf(i));
        }
        std::stable_sort(order.begin() + first, order.begin() + last, [&](int a, int b) {
            const int c = keys[a - first].compare(keys[b - first]);
            return c != 0 ? c < 0 : tie(a, b) < 0;
        });
    }
    if (n > run) {
        struct Head {
            int run;
            int at;  // in order
            QCollatorSortKey key;
        };
        // The heap's top is the head that comes first; a tie goes to the earlier run.
        auto after = [&](const Head& x, const Head& y) {
            int c = x.key.compare(y.key);
            if (c == 0) {
                c = tie(order[x.at], order[y.at]);
            }
            return c != 0 ? c > 0 : x.run > y.run;
        };
        std::vector<Head> heads;
        for (int first = 0, r = 0; first < n; first += run, ++r) {
            heads.push_back({r, first, keyOf(order[first])});
        }
        std::make_heap(heads.begin(), heads.end(), after);
        std::vector<int> merged;
        merged.reserve(order.size());
        while (!heads.empty()) {
            std::pop_heap(heads.begin(), heads.end(), after);
            Head& head = heads.back();
            merged.push_back(order[head.at]);
            const int end = qMin(n, (head.run + 1) * run);
            if (++head.at < end) {
                head.key = keyOf(order[head.at]);
                std::push_heap(heads.begin(), heads.end(), after);
            } else {
                heads.pop_back();
            }
        }
        order.swap(merged);
    }
    int followed = -1;
    for (int k = 0; k < n; ++k) {
        if (order[k] == follow) {
            followed = k;
        }
    }
    modified_ = modified_ || n > 1;
    entries_.reorder(order);
    return followed;
}

int WordListEditorModel::shuffle(Random& random, int follow) {
    const auto n = static_cast<uint32_t>(entries_.size());
    modified_ = modified_ || n > 1;
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

WordListEditorModel::Parsed WordListEditorModel::parse(const QByteArray& file) {
    Parsed out;
    const QByteArray bytes = wordlist::readable(file);
    const wordlist::Layout layout = wordlist::layoutOf(bytes);
    // Two walks over the lines: the first counts what the entries will take, so a list over
    // the bound allocates nothing and one within it is allocated once at its final size.
    qint64 entries = 0;
    qint64 recordBytes = 0;
    wordlist::forEachLine(layout, bytes, [&](const char* line, qsizetype length) {
        if (!out.hasTitle) {
            out.hasTitle = true;
            out.title = wordlist::decode(layout, line, length);
        } else if (wordlist::isEntry(layout, line, length)) {
            ++entries;
            recordBytes += EntryStore::recordBytes(length);
        }
    });
    // The file, and its UTF-8 text beside it when it came as UTF-16.
    const qint64 size = file.size();
    const qint64 read = bytes.isSharedWith(file) ? size : size + bytes.size();
    if (read + recordBytes + (qint64(sizeof(quint32)) + kShownBytesPerEntry) * entries >
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
        } else if (wordlist::isEntry(layout, line, length)) {
            out.entries.append(line, length, encoding);
        }
    });
    return out;
}

WordListEditorModel::OpenOutcome WordListEditorModel::open(const QString& path) {
    entries_.clear();
    // Nothing held before is left to lose, whether the file could be read or not.
    modified_ = false;
    OpenOutcome out;
    const wordlist::FileBytes file = wordlist::readBytes(path);
    if (file.status != wordlist::Status::Ok) {
        out.ok = false;
        // The editor keeps nothing of a file it could not read to the end.
        out.error = file.status == wordlist::Status::ReadError
                        ? QCoreApplication::translate("WordListEditorModel", "Disk read error")
                        : file.errorString;
        return out;
    }
    Parsed parsed = parse(file.bytes);
    if (parsed.tooLarge) {
        out.ok = false;
        out.error = QCoreApplication::translate("WordListEditorModel", "File is too large");
        return out;
    }
    entries_ = std::move(parsed.entries);
    out.hasTitle = parsed.hasTitle;
    out.title = parsed.title;
    return out;
}

QByteArray WordListEditorModel::format(const QString& title, const QStringList& entries) {
    const bool utf8 =
        !text::fitsAnsi(title) || !std::all_of(entries.cbegin(), entries.cend(), text::fitsAnsi);
    QByteArray out = line(title, utf8);
    for (const QString& entry : entries) {
        out += line(entry, utf8);
    }
    return out;
}

bool WordListEditorModel::fitsAnsi(const QString& title) const {
    if (!text::fitsAnsi(title)) {
        return false;
    }
    for (int i = 0; i < size(); ++i) {
        if (!text::fitsAnsi(entries_.at(i))) {
            return false;
        }
    }
    return true;
}

bool WordListEditorModel::write(const QString& title, bool utf8,
                                const std::function<bool(const QByteArray&)>& out) const {
    // In parts, so a long list never needs a second copy of itself as one block of bytes.
    constexpr qsizetype kPart = 256 * 1024;
    QByteArray part = line(title, utf8);
    for (int i = 0; i < size(); ++i) {
        part += line(entries_.at(i), utf8);
        if (part.size() >= kPart) {
            if (!out(part)) {
                return false;
            }
            part.clear();
        }
    }
    return out(part);
}

WordListEditorModel::SaveOutcome WordListEditorModel::save(const QString& path,
                                                           const QString& title) const {
    SaveOutcome out;
    const QFileInfo info(path);
    if (!info.absoluteDir().exists()) {
        out.ok = false;
        out.error = QCoreApplication::translate("WordListEditorModel", "Path not found");
        return out;
    }
    if (info.isDir()) {
        out.ok = false;
        out.error = QCoreApplication::translate("WordListEditorModel", "File access denied");
        return out;
    }
    WholeFile file(path);
    if (!file.open()) {
        out.ok = false;
        out.error = QCoreApplication::translate("WordListEditorModel", "File access denied");
        return out;
    }
    // Every write and the sync are checked; the old list is replaced only by a whole one. A
    // character 8-bit text lacks would be lost: such a list goes as UTF-8, which the game
    // reads as well.
    out.utf8 = !fitsAnsi(title);
    const auto toFile = [&](const QByteArray& part) { return file.write(part); };
    if (!write(title, out.utf8, toFile) || !file.commit()) {
        out.ok = false;
        out.error = QCoreApplication::translate("WordListEditorModel", "Disk write error");
        return out;
    }
    return out;
}
