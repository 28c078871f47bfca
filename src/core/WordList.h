#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstring>

class Random;

// Word list files: a title line, then one entry per line, the word optionally followed by
// ":" and a clue. Byte 26 ends the file; only the first 255 characters of a line are read.
//
// Files come in two shapes, and the reader tells them apart by their bytes:
// - As the game has always written them: a line ends at a carriage return (a line feed
//   right after it belongs to the line end; a lone line feed is an ordinary character), and
//   the text is 8-bit, one byte per character.
// - As other editors on this platform write them: a file without any carriage return ends
//   its lines at line feeds. A file that begins with the UTF-8 byte order mark, or that is
//   valid UTF-8 and holds bytes above 127, is read as UTF-8 (the mark is not part of the
//   title).
// A file that begins with a UTF-16 byte order mark (either byte order) is first turned into
// UTF-8 text, then read by the same rules.
namespace wordlist {

constexpr int kMaxLine = 255;
constexpr int kMaxWord = 15;
// Larger files are refused: a word list this big is not a word list.
constexpr qint64 kMaxFileBytes = 64LL * 1024 * 1024;
// parse() refuses a list, too, when its texts would take more than five times the file's size
// plus this much memory: a line of a usual list, some 30 bytes, costs about 170 bytes as two
// texts. The game holds its list packed instead (PackedList), at a fraction of that.
constexpr qint64 kMemoryAllowance = 40LL * 1024 * 1024;
constexpr qint64 kMemoryPerFileByte = 5;

struct Entry {
    QString word;
    QString clue;
};

// Splits an entry line at its first colon.
Entry splitEntry(const QString& line);

// Lines after the title that are not entries, by why.
struct Skipped {
    qint64 tooLong = 0;  // the word has more than kMaxWord characters
    qint64 control = 0;  // the word holds a control byte: no one could guess it
};

struct Parsed {
    bool hasTitle = false;  // false for a file without any line
    QString title;
    QStringList words;
    QStringList hints;
    Skipped skipped;
};

// The bytes the reader walks: a UTF-16 file as UTF-8 after the UTF-8 byte order mark, any
// other file as it is (shared, not copied).
QByteArray readable(const QByteArray& bytes);

// Where a file's text ends: at byte 26, or at the end of the bytes.
qsizetype textEnd(const QByteArray& bytes);

// How a file's bytes are to be read.
struct Layout {
    qsizetype begin = 0;  // after a byte order mark
    qsizetype end = 0;    // textEnd()
    char lineEnd = '\r';  // '\n' for a file without any carriage return
    bool utf8 = false;
    bool ascii = false;  // no byte above 127: every way of reading gives the same text
};
Layout layoutOf(const QByteArray& bytes);

// The text of a line's bytes.
QString decode(const Layout& layout, const char* line, qsizetype length);
// Whether a line after the title is an entry: its word (up to the first colon, or the whole
// line) has at most kMaxWord characters and no
// byte below 32 but the line feed, which a file with carriage returns holds as text. A line
// that is not one is counted in skipped, when given.
bool isEntry(const Layout& layout, const char* line, qsizetype length, Skipped* skipped = nullptr);

// Calls visit(line, length) for every line of a file's bytes in order, the title line first;
// the length is already cut to kMaxLine characters.
template <typename Visit>
void forEachLine(const Layout& layout, const QByteArray& bytes, Visit&& visit);

// Applies the line and entry rules to the bytes of a file, as the texts of every entry.
// With a generator, the entries are shuffled as shuffle() would do it, before any text is
// made: the lists then lie in memory in their final order, which keeps releasing a big list
// fast. A list that would take too much memory (kMemoryAllowance) comes back empty, with
// tooLarge set.
Parsed parse(const QByteArray& bytes, Random* shuffleWith = nullptr, bool* tooLarge = nullptr);

enum class Status { Ok, CannotOpen, TooLarge, ReadError };

struct FileBytes {
    Status status = Status::Ok;
    QByteArray bytes;     // what could be read, also after a read error
    QString errorString;  // why it failed, in words a person understands
};

// Reads a whole word list file, refusing what is not a readable file or is too large.
FileBytes readBytes(const QString& path);

struct FileResult {
    Status status = Status::Ok;
    Parsed list;          // what could be read, also after a read error
    QString errorString;  // why it failed, in words a person understands
};

FileResult readFile(const QString& path, Random* shuffleWith = nullptr);

// n exchanges of two positions drawn from the generator (a first, then b), applied to both
// lists alike.
void shuffle(QStringList& words, QStringList& hints, Random& random);

// The byte length of at most kMaxLine characters at the start of a line.
qsizetype cutLine(const Layout& layout, const char* line, qsizetype length);

template <typename Visit>
void forEachLine(const Layout& layout, const QByteArray& bytes, Visit&& visit) {
    const char* data = bytes.constData();
    qsizetype pos = layout.begin;
    while (pos < layout.end) {
        const void* found =
            memchr(data + pos, layout.lineEnd, static_cast<size_t>(layout.end - pos));
        const qsizetype lineEnd = found ? static_cast<const char*>(found) - data : layout.end;
        visit(data + pos, cutLine(layout, data + pos, lineEnd - pos));
        pos = lineEnd;
        if (pos < layout.end) {
            ++pos;  // the line end
            if (layout.lineEnd == '\r' && pos < layout.end && data[pos] == '\n') {
                ++pos;
            }
        }
    }
}

}  // namespace wordlist
