#include "core/PackedList.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "core/Random.h"

namespace {

// Enough bytes to hold kMaxLine characters and the first byte after them: a line's cut
// always lies within this many bytes of its start when the text is well-formed.
constexpr qsizetype kLineWindow = 4 * wordlist::kMaxLine + 1;

}  // namespace

PackedList PackedList::read(const QByteArray& file, Random* shuffleWith, bool* tooLarge) {
    PackedList out;
    if (tooLarge) {
        *tooLarge = false;
    }
    const QByteArray bytes = wordlist::readable(file);
    out.layout_ = wordlist::layoutOf(bytes);
    const wordlist::Layout& layout = out.layout_;
    const char* base = bytes.constData();
    const qint64 size = bytes.size();
    const qint64 budget = kPerFileByte * file.size() + kAllowance;
    // A UTF-16 file lies in memory twice while it is read: as it came and as UTF-8.
    const qint64 held = bytes.isSharedWith(file) ? size : size + file.size();
    // Two walks over the lines: the first counts the entries, so the places are allocated
    // once at their final size (a list grown by appending needs its old and new block at
    // once) and a list over the bound allocates nothing at all.
    bool title = false;
    qint64 entries = 0;
    qint64 lineBytes = 0;  // the entries' lines as read, one line end each
    wordlist::forEachLine(layout, bytes, [&](const char* line, qsizetype length) {
        if (!title) {
            title = true;
            out.hasTitle_ = true;
            out.title_ = wordlist::decode(layout, line, length);
        } else if (wordlist::isEntry(layout, line, length, &out.skipped_)) {
            ++entries;
            lineBytes += length + 1;
        }
    });
    // The file, four bytes for each entry's place and the word source's mark bit.
    if (size > std::numeric_limits<quint32>::max() || entries > std::numeric_limits<int>::max() ||
        held + 4 * entries + (entries + 7) / 8 > budget) {
        if (tooLarge) {
            *tooLarge = true;
        }
        out.skipped_ = {};  // nothing is left out of a list that is refused whole
        return out;
    }
    out.at_.reserve(static_cast<qsizetype>(entries));
    title = false;
    wordlist::forEachLine(layout, bytes, [&](const char* line, qsizetype length) {
        if (!title) {
            title = true;
        } else if (wordlist::isEntry(layout, line, length)) {
            out.at_.append(static_cast<quint32>(line - base));
        }
    });
    if (shuffleWith) {
        // The draws and exchanges of wordlist::shuffle(), on the places alone.
        const auto n = static_cast<uint32_t>(out.at_.size());
        quint32* places = out.at_.data();
        for (uint32_t i = 0; i < n; ++i) {
            const uint32_t a = shuffleWith->next(n);
            const uint32_t b = shuffleWith->next(n);
            std::swap(places[a], places[b]);
        }
    }
    if (out.at_.isEmpty()) {
        return out;
    }
    out.bytes_ = bytes;
    // Most of the file is lines the reader skipped, or parts of lines it cut: keep only the
    // entries' lines, so what was skipped costs nothing once the list is loaded.
    if (lineBytes < size / 2) {
        out.compact(lineBytes);
    }
    return out;
}

void PackedList::compact(qint64 lineBytes) {
    QByteArray packed;
    packed.reserve(static_cast<qsizetype>(lineBytes));
    for (int i = 0; i < size(); ++i) {
        const Span s = span(i);
        const auto at = static_cast<quint32>(packed.size());
        // The cut line is the word, its colon when there is a clue, and the clue.
        packed.append(s.word, s.wordBytes);
        if (s.clue) {
            packed.append(':');
            packed.append(s.clue, s.clueBytes);
        }
        packed.append(layout_.lineEnd);
        at_[i] = at;
    }
    bytes_ = packed;
    layout_.begin = 0;
    layout_.end = bytes_.size();
}

PackedList PackedList::fromLists(const QStringList& words, const QStringList& hints) {
    PackedList out;
    out.records_ = true;
    out.layout_.utf8 = true;
    out.at_.reserve(words.size());
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QByteArray word = words.at(i).toUtf8();
        const QByteArray clue = i < hints.size() ? hints.at(i).toUtf8() : QByteArray();
        const auto wordBytes = static_cast<quint32>(word.size());
        const auto clueBytes = static_cast<quint32>(clue.size());
        out.at_.append(static_cast<quint32>(out.bytes_.size()));
        out.bytes_.append(reinterpret_cast<const char*>(&wordBytes), sizeof wordBytes);
        out.bytes_.append(reinterpret_cast<const char*>(&clueBytes), sizeof clueBytes);
        out.bytes_.append(word);
        out.bytes_.append(clue);
    }
    out.layout_.end = out.bytes_.size();
    return out;
}

PackedList::Span PackedList::span(int i) const {
    const char* line = bytes_.constData() + at_.at(i);
    if (records_) {
        quint32 wordBytes = 0;
        quint32 clueBytes = 0;
        std::memcpy(&wordBytes, line, sizeof wordBytes);
        std::memcpy(&clueBytes, line + sizeof wordBytes, sizeof clueBytes);
        const char* word = line + sizeof wordBytes + sizeof clueBytes;
        return {word, wordBytes, word + wordBytes, clueBytes};
    }
    // The line end is looked for only as far as the cut can lie, so a long line costs no
    // more than a short one; only text that is not well-formed UTF-8 needs the whole line.
    const qsizetype rest = layout_.end - at_.at(i);
    qsizetype length = std::min(rest, kLineWindow);
    const void* end = memchr(line, layout_.lineEnd, static_cast<size_t>(length));
    if (!end && length < rest && layout_.utf8) {
        end = memchr(line, layout_.lineEnd, static_cast<size_t>(rest));
        length = rest;
    }
    if (end) {
        length = static_cast<const char*>(end) - line;
    }
    length = wordlist::cutLine(layout_, line, length);
    const void* colon = memchr(line, ':', static_cast<size_t>(length));
    if (!colon) {
        return {line, length, nullptr, 0};
    }
    const qsizetype word = static_cast<const char*>(colon) - line;
    return {line, word, line + word + 1, length - word - 1};
}

QString PackedList::word(int i) const {
    const Span s = span(i);
    return wordlist::decode(layout_, s.word, s.wordBytes);
}

QString PackedList::clue(int i) const {
    const Span s = span(i);
    return s.clueBytes > 0 ? wordlist::decode(layout_, s.clue, s.clueBytes) : QString();
}

qsizetype PackedList::wordSize(int i) const {
    const Span s = span(i);
    if (layout_.utf8) {
        for (qsizetype k = 0; k < s.wordBytes; ++k) {
            if (static_cast<unsigned char>(s.word[k]) >= 0x80) {
                return word(i).size();
            }
        }
    }
    // Every other byte is one character of one UTF-16 unit.
    return s.wordBytes;
}

qint64 PackedList::heldBytes() const {
    return bytes_.capacity() + at_.capacity() * qint64(sizeof(quint32));
}

PackedFile readPackedFile(const QString& path, Random* shuffleWith) {
    wordlist::FileBytes file = wordlist::readBytes(path);
    PackedFile result;
    result.status = file.status;
    result.errorString = file.errorString;
    bool tooLarge = false;
    result.list = PackedList::read(file.bytes, shuffleWith, &tooLarge);
    if (tooLarge && result.status == wordlist::Status::Ok) {
        result.status = wordlist::Status::TooLarge;
        result.errorString = QStringLiteral("File is too large");
    }
    return result;
}

bool PackedList::plainAscii() const {
    return std::all_of(bytes_.cbegin(), bytes_.cend(),
                       [](char c) { return static_cast<unsigned char>(c) < 128; });
}
