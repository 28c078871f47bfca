#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "core/WordList.h"

class Random;

// A word list held as the bytes it was read from and where each entry's line begins, rather
// than as one text per word and per clue: a loaded list costs its file and four bytes an
// entry, a line the reader skips costs nothing of its own, and a text is made only for the
// entry asked for. The entries read exactly as wordlist::parse() reads them.
class PackedList {
public:
    PackedList() = default;

    // Applies the line and entry rules to the bytes of a file, as wordlist::parse() does,
    // shuffled as wordlist::shuffle() would do it when a generator is given; a UTF-16 file is
    // held as its UTF-8 text. A list that
    // would hold more than kPerFileByte times the file's size plus kAllowance comes back
    // without entries, with tooLarge set; so does one too big to be told by 32-bit places.
    static PackedList read(const QByteArray& bytes, Random* shuffleWith = nullptr,
                           bool* tooLarge = nullptr);
    // A list of the given texts as they are; clues missing at the end are empty, extra clues
    // are dropped.
    static PackedList fromLists(const QStringList& words, const QStringList& hints);

    static constexpr qint64 kPerFileByte = 4;
    // Room for the program itself under a load's bound of four times the file plus 40 MB.
    static constexpr qint64 kAllowance = 32LL * 1024 * 1024;

    bool hasTitle() const { return hasTitle_; }  // false for a file without any line
    // The lines after the title that are not entries, by why (none for a list of texts).
    const wordlist::Skipped& skipped() const { return skipped_; }
    const QString& title() const { return title_; }
    int size() const { return static_cast<int>(at_.size()); }
    QString word(int i) const;
    QString clue(int i) const;
    // word(i).size(), without making the text.
    qsizetype wordSize(int i) const;
    // No byte above 127 anywhere: every word is plain ASCII, without making a text.
    bool plainAscii() const;

    // The memory its entries hold, in bytes (the title aside).
    qint64 heldBytes() const;

private:
    struct Span {
        const char* word;
        qsizetype wordBytes;
        const char* clue;
        qsizetype clueBytes;
    };
    Span span(int i) const;
    void compact(qint64 lineBytes);

    bool hasTitle_ = false;
    QString title_;
    wordlist::Skipped skipped_;
    QByteArray bytes_;
    wordlist::Layout layout_;
    QList<quint32> at_;     // where entry i's line begins in bytes_
    bool records_ = false;  // from texts: each entry is its two byte lengths, then its bytes
};

struct PackedFile {
    wordlist::Status status = wordlist::Status::Ok;
    PackedList list;      // what could be read, also after a read error
    QString errorString;  // why it failed, in words a person understands
};

// Reads a word list file as wordlist::readFile() does, into a packed list.
PackedFile readPackedFile(const QString& path, Random* shuffleWith = nullptr);
