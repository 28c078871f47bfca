#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <vector>

// An initialisation file held in memory: "[Section]" lines opening sections, "key=value"
// lines inside them. Reading follows the rules of the Windows profile functions the file
// format comes from: section and key names compare without regard to ASCII case, blanks
// around keys and values are dropped, one pair of surrounding quotes is dropped from a value,
// and a value comes back cut to the caller's buffer. Everything that is not written through
// writeString (comments, unknown sections and keys, their order) is kept as it was read.
//
// The file is 8-bit text. Lines are written with CR LF; CR LF, LF and CR all end a line
// when reading.
//
// The file may hold anything, so reading is bounded: only the first kMaxFileBytes of a file
// are read (a line cut by that limit is dropped), and a line longer than kMaxLineLength or
// holding control characters other than TAB is dropped as garbage. No settings line comes
// near those limits, so nothing the program wrote is lost, and the next save rewrites the
// file as clean text.
class IniFile {
public:
    static constexpr qsizetype kMaxFileBytes = 1024 * 1024;
    static constexpr qsizetype kMaxLineLength = 4096;

    // Replaces the content with the file's. False when the path is not a readable regular
    // file; the content is then empty.
    bool load(const QString& path);
    // Replaces the content with the given file bytes (bounded as described above).
    void parse(const QByteArray& bytes);

    // The whole file as it would be written.
    QByteArray toBytes() const;
    // Writes the whole file to a temporary file beside it and renames that over the old
    // one, so the old file stays whole if anything fails. False on failure.
    bool save(const QString& path) const;

    // The value of the key, or defaultValue when the section or key is missing; at most
    // bufferSize - 1 characters, as from a buffer of bufferSize characters.
    QString readString(const QString& section, const QString& key, const QString& defaultValue,
                       int bufferSize) const;
    // Sets the key. A new key goes to the end of its section, a new section to the end of
    // the file. Line breaks and other control characters in the value become spaces, and a
    // value that would make its line longer than kMaxLineLength is cut, so that whatever is
    // written reads back. Empty names, and keys holding '=', are not written.
    void writeString(const QString& section, const QString& key, const QString& value);

    bool contains(const QString& section, const QString& key) const;

private:
    struct Line {
        QString text;   // the line as written
        QString key;    // trimmed key name; empty when the line holds no key
        QString value;  // trimmed value of a key line
    };
    struct Section {
        QString header;  // the "[Name]" line as written
        QString name;    // empty for the lines before the first section
        std::vector<Line> lines;
        QHash<QString, qsizetype> keys;  // lower-case key -> first line holding it
    };

    void addLine(const QString& line);
    const Section* findSection(const QString& name) const;

    // sections_[0] holds the lines before the first section header and has no header.
    std::vector<Section> sections_ = std::vector<Section>(1);
    QHash<QString, qsizetype> sectionIndex_;  // lower-case name -> first section of that name
};
