#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

// The word list editor's entries held compactly: every entry's bytes in one block, each
// after its length, and where each entry begins, in display order. Rearranging moves only
// the places; a text is made only for the entry asked for. An entry read from a file keeps
// the file's bytes and is decoded as the file was (8-bit or UTF-8); a typed one is UTF-8.
class EntryStore {
public:
    enum class Encoding { Ansi, Utf8 };

    int size() const { return static_cast<int>(at_.size()); }
    bool isEmpty() const { return at_.isEmpty(); }
    QString at(int i) const;
    QStringList toList() const;

    // Room for `entries` more entries of `bytes` bytes in all, so a list of known size is
    // allocated once.
    void reserve(qsizetype entries, qint64 bytes);
    // False, with nothing added, when the block could no longer be told by 32-bit places.
    bool append(const char* data, qsizetype size, Encoding encoding);
    bool append(const QString& entry);
    void removeAt(int i);
    void swap(int a, int b);
    // Entry k of the result is entry order[k] of now; order is a permutation of 0..size()-1.
    void reorder(const std::vector<int>& order);
    void clear();
    // Gives back what reserve() or removals left unused.
    void squeeze();

    // The memory the entries hold, in bytes: the block and the places.
    qint64 heldBytes() const;
    // What append() adds to the block for an entry of `size` bytes.
    static qint64 recordBytes(qsizetype size);

private:
    QByteArray bytes_;   // per entry: (size << 1 | UTF-8) in 7-bit groups, then its bytes
    QList<quint32> at_;  // where entry i's record begins in bytes_
    qint64 unused_ = 0;  // bytes of removed entries still in the block
};
