#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <vector>

class WholeFile;

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
// are read, and a line longer than kMaxLineLength or holding control characters other than
// TAB is dropped as garbage. No settings line comes near those limits. What lies past the
// last whole line within the first kMaxFileBytes is not read but not lost either: a save
// copies it, byte for byte, from the file that was loaded to the end of the new file.
class IniFile {
public:
    static constexpr qsizetype kMaxFileBytes = 1024 * 1024;
    static constexpr qsizetype kMaxLineLength = 4096;

    enum class Source {
        None,        // nothing loaded, or parse() of bytes held whole
        Read,        // the file was read whole
        Missing,     // there was no file
        Unreadable,  // a file is there but could not be read: it must not be saved over
        Partial      // the file goes on past kMaxFileBytes: save keeps the rest
    };

    // Replaces the content with the file's. False when the path is not a readable regular
    // file; the content is then empty.
    bool load(const QString& path);
    // Replaces the content with the given file bytes (bounded as described above).
    void parse(const QByteArray& bytes);
    // How the content came about.
    Source source() const { return source_; }

    // The whole file as it would be written (without a part that was never read).
    QByteArray toBytes() const;
    // Writes the whole file to a new file beside it, each write checked, and renames that
    // over the old one only when it is complete, so the old file stays whole if anything
    // fails. Refuses (false) after a load that could not read the file. False on failure,
    // with the reason in *error when given.
    bool save(const QString& path, QString* error = nullptr) const;

    // The value of the key, or defaultValue when the section or key is missing; at most
    // bufferSize - 1 characters, as from a buffer of bufferSize characters.
    QString readString(const QString& section, const QString& key, const QString& defaultValue,
                       int bufferSize) const;
    // Sets the key. A new key goes to the end of its section, a new section to the end of
    // the file. Line breaks and other control characters in the value become spaces, and a
    // value that would make its line longer than kMaxLineLength is cut, so that whatever is
    // written reads back. Names that could not be read back are not written (false): empty
    // names, keys holding '=', and keys beginning with '[' (the line would open a section)
    // or ';' (a comment).
    bool writeString(const QString& section, const QString& key, const QString& value);

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
    bool copyUnreadPart(WholeFile& out, QString* error) const;
    const Section* findSection(const QString& name) const;

    // sections_[0] holds the lines before the first section header and has no header.
    std::vector<Section> sections_ = std::vector<Section>(1);
    QHash<QString, qsizetype> sectionIndex_;  // lower-case name -> first section of that name

    Source source_ = Source::None;
    qsizetype parsedBytes_ = 0;  // bytes of the input that parse() took, up to a line end
    // Where the part that was not read lies: the file, and how it looked when it was read,
    // so that a file changed since is never spliced.
    QString sourcePath_;
    qint64 sourceSize_ = 0;
    qint64 sourceModified_ = 0;
};
