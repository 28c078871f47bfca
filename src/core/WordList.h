#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class Random;

// Word list files: a title line, then one entry per line, the word optionally followed by
// ":" and a clue. A line ends at a carriage return (a line feed right after it belongs to
// the line end; a lone line feed is an ordinary character); byte 26 ends the file; only
// the first 255 characters of a line are read.
namespace wordlist {

constexpr int kMaxLine = 255;
constexpr int kMaxWord = 15;
// Larger files are refused: a word list this big is not a word list.
constexpr qint64 kMaxFileBytes = 64LL * 1024 * 1024;

struct Entry {
    QString word;
    QString clue;
};

// Splits an entry line at its first colon.
Entry splitEntry(const QString& line);

struct Parsed {
    bool hasTitle = false;  // false for a file without any line
    QString title;
    QStringList words;
    QStringList hints;
};

// Where a file's text ends: at byte 26, or at the end of the bytes.
qsizetype textEnd(const QByteArray& bytes);

// Calls visit(line, length) for every line of a file's bytes in order, the title line first;
// the length is already cut to kMaxLine.
template <typename Visit>
void forEachLine(const QByteArray& bytes, Visit&& visit) {
    const char* data = bytes.constData();
    const qsizetype end = textEnd(bytes);
    qsizetype pos = 0;
    while (pos < end) {
        qsizetype lineEnd = pos;
        while (lineEnd < end && data[lineEnd] != '\r') {
            ++lineEnd;
        }
        visit(data + pos, qMin<qsizetype>(lineEnd - pos, kMaxLine));
        pos = lineEnd;
        if (pos < end) {
            ++pos;  // the carriage return
            if (pos < end && data[pos] == '\n') {
                ++pos;
            }
        }
    }
}

// The length of an entry line's word: up to its first colon, or the whole line.
qsizetype wordLength(const char* line, qsizetype length);

// Applies the line and entry rules to the bytes of a file.
// With a generator, the entries are shuffled as shuffle() would do it, before any text is
// made: the lists then lie in memory in their final order, which keeps releasing a big list
// fast.
Parsed parse(const QByteArray& bytes, Random* shuffleWith = nullptr);

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

}  // namespace wordlist
