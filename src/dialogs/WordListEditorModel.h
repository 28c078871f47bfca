#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

#include "core/WordList.h"
#include "dialogs/EntryStore.h"

class Random;

// The word list editor's list: its entries in display order, the editing operations, and the
// word list file as the editor reads and writes it. An entry is one line of the file: the
// word, a colon and the clue. Knows nothing of widgets; operations that move the selection
// return the index the list should select afterwards (-1 for none).
class WordListEditorModel {
public:
    static constexpr int kMaxLine = wordlist::kMaxLine;
    static constexpr int kMaxWord = wordlist::kMaxWord;

    struct Parsed {
        bool hasTitle = false;  // false for a file without any line
        QString title;
        EntryStore entries;
        bool tooLarge = false;  // the entries would take too much memory; none are kept
    };

    struct Outcome {
        bool ok = true;
        QString error;  // why it failed, in words a person understands
    };

    struct SaveOutcome : Outcome {
        bool utf8 = false;  // written as UTF-8: the list holds characters 8-bit text lacks
    };

    struct OpenOutcome : Outcome {
        bool hasTitle = false;
        QString title;
    };

    // A list opened here is held and shown within four times the file's size and kAllowance,
    // the program's own start besides: while it is read the file, and then its entries
    // (their lines as read, each after its length) with their places, and what the list box
    // keeps for each row (about 8 bytes, 12 while it grows), together. A list of millions of
    // lines of a few characters is refused, not held.
    static constexpr qint64 kPerFileByte = 4;
    static constexpr qint64 kAllowance = 16LL * 1024 * 1024;
    static constexpr qint64 kShownBytesPerEntry = 12;

    int size() const { return entries_.size(); }
    QString entry(int i) const { return entries_.at(i); }
    // Every entry as a text: for short lists.
    QStringList entries() const { return entries_.toList(); }
    const EntryStore& store() const { return entries_; }
    void clear() { entries_.clear(); }
    void setEntries(const QStringList& entries);

    // The entry of a typed word and clue: both trimmed, joined by a colon that is written even
    // for an empty clue. Empty when the word is empty after trimming.
    static QString makeEntry(const QString& word, const QString& clue);
    // What keeps a typed word from being played, in words for the player; empty when nothing
    // does. A word longer than kMaxWord is skipped when a list is read; a character other
    // than a letter A..Z or a blank has no tile, so a word holding one can never be solved.
    static QString tooLong(const QString& word);
    static QString unguessable(const QString& word);
    // Appends the entry of word and clue; false (nothing added) for an empty word.
    bool add(const QString& word, const QString& clue);
    // Removes entry i; the entry now at i is selected, or the new last one.
    int remove(int i);
    // Exchanges entry i with its neighbour; an entry at the edge stays where it is.
    int moveUp(int i);
    int moveDown(int i);
    // Ascending, ignoring case, whole entries compared (colon and clue included). The entry
    // that was at `follow` stays selected. Sorted `run` entries at a time, then merged: the
    // order of one stable sort, with collation keys for one run only.
    static constexpr int kSortRun = 32768;
    int sort(int follow = -1, int run = kSortRun);
    // n exchanges of two positions drawn from the generator, a first, then b.
    int shuffle(Random& random, int follow = -1);

    // The editor's reading of a word list file: the first line is the title as read, whatever
    // its length; every further line whose word part (before the first colon) has at most 15
    // characters is an entry exactly as read, an empty line too. Lines are cut at 255
    // characters; line ends and the text encoding as the game reads them.
    static Parsed parse(const QByteArray& bytes);
    // Empties the list, then reads the file into it. The title comes back only when the file
    // has a first line. A list over the bound above is refused ("File is too large").
    OpenOutcome open(const QString& path);

    // Title and entries trimmed, one per line, every line ended by CR LF, 8-bit text; UTF-8
    // when any character has no 8-bit form.
    static QByteArray format(const QString& title, const QStringList& entries);
    // True when the title and every entry held here have an 8-bit form.
    bool fitsAnsi(const QString& title) const;
    // The list held here as format() lays it out, in UTF-8 or 8-bit text, handed out a part
    // at a time.
    bool write(const QString& title, bool utf8,
               const std::function<bool(const QByteArray&)>& out) const;
    // Changed since it was started, opened or saved: what leaving without saving would lose.
    bool modified() const { return modified_; }
    // Writes the list, as 8-bit text when fitsAnsi() and as UTF-8 otherwise, to a new file
    // that replaces the old one only when every write and the sync succeeded; on failure
    // the old file is as it was.
    SaveOutcome save(const QString& path, const QString& title) const;

private:
    EntryStore entries_;
    bool modified_ = false;
};
