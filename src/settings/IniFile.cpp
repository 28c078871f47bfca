#include "settings/IniFile.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "core/Text.h"
#include "core/WholeFile.h"

namespace {

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QString trimBlanks(const QString& s) {
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && isBlank(s.at(b))) {
        ++b;
    }
    while (e > b && isBlank(s.at(e - 1))) {
        --e;
    }
    return s.mid(b, e - b);
}

QString trimTrailingBlanks(const QString& s) {
    qsizetype e = s.size();
    while (e > 0 && isBlank(s.at(e - 1))) {
        --e;
    }
    return s.left(e);
}

// Names compare without regard to ASCII case only, like the profile functions.
QString foldCase(const QString& s) {
    QString out = s;
    for (QChar& c : out) {
        const char16_t u = c.unicode();
        if (u >= 'A' && u <= 'Z') {
            c = QChar(static_cast<char16_t>(u + 32));
        }
    }
    return out;
}

// A text that stays on one line of the file and reads back as it is.
QString oneLine(const QString& s) {
    QString out = s;
    for (QChar& c : out) {
        if (c.unicode() < 0x20 && c != QLatin1Char('\t')) {
            c = QLatin1Char(' ');
        }
    }
    return out;
}

// A section or key name as the file holds it: what writing would make of it, so that a name
// reads what the same name wrote.
QString nameOf(const QString& s) {
    return trimBlanks(oneLine(s));
}

// A byte that no text line of the file holds: control characters other than TAB.
bool isGarbageByte(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b < 0x20 && b != '\t';
}

}  // namespace

bool IniFile::load(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        parse(QByteArray());
        source_ = Source::Missing;
        return false;
    }
    // Only a regular file: a device or a pipe could block or never end.
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        parse(QByteArray());
        source_ = Source::Unreadable;
        return false;
    }
    // One byte more than the limit tells parse() that the file went on.
    const QByteArray bytes = file.read(kMaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        parse(QByteArray());
        source_ = Source::Unreadable;
        return false;
    }
    parse(bytes);
    if (source_ == Source::Partial) {
        sourcePath_ = path;
        sourceSize_ = file.size();
        sourceModified_ = info.lastModified().toMSecsSinceEpoch();
    } else {
        source_ = Source::Read;
    }
    return true;
}

void IniFile::parse(const QByteArray& input) {
    sections_.assign(1, Section{});
    sectionIndex_.clear();
    source_ = Source::None;
    sourcePath_.clear();

    QByteArray bytes = input.left(kMaxFileBytes);
    parsedBytes_ = bytes.size();
    if (input.size() > kMaxFileBytes) {
        // The last line was cut by the limit: keep only whole lines, and note where the
        // part that was not read begins (after the line end).
        const qsizetype end = std::max(bytes.lastIndexOf('\n'), bytes.lastIndexOf('\r'));
        bytes.truncate(end < 0 ? 0 : end);
        parsedBytes_ = end < 0 ? 0 : end + 1;
        source_ = Source::Partial;
    }

    const char* data = bytes.constData();
    const qsizetype size = bytes.size();
    auto takeLine = [&](qsizetype begin, qsizetype end) {
        const qsizetype length = end - begin;
        if (length > kMaxLineLength) {
            return;
        }
        for (qsizetype i = begin; i < end; ++i) {
            if (isGarbageByte(data[i])) {
                return;
            }
        }
        addLine(text::fromAnsi(data + begin, length));
    };
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char c = data[i];
        if (c == '\r' || c == '\n') {
            takeLine(start, i);
            if (c == '\r' && i + 1 < size && data[i + 1] == '\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    if (start < size) {
        takeLine(start, size);
    }
}

void IniFile::addLine(const QString& line) {
    const QString trimmed = trimBlanks(line);
    if (trimmed.startsWith(QLatin1Char('['))) {
        const qsizetype close = trimmed.lastIndexOf(QLatin1Char(']'));
        if (close > 0) {
            Section section;
            section.header = line;
            section.name = trimBlanks(trimmed.mid(1, close - 1));
            const QString folded = foldCase(section.name);
            if (!section.name.isEmpty() && !sectionIndex_.contains(folded)) {
                sectionIndex_.insert(folded, static_cast<qsizetype>(sections_.size()));
            }
            sections_.push_back(std::move(section));
            return;
        }
        // Without its closing bracket the line is no section header; it is read like
        // any other line.
    }
    Line entry;
    entry.text = line;
    if (!trimmed.startsWith(QLatin1Char(';'))) {
        const qsizetype eq = trimmed.indexOf(QLatin1Char('='));
        if (eq > 0) {
            entry.key = trimBlanks(trimmed.left(eq));
            entry.value = trimBlanks(trimmed.mid(eq + 1));
        }
    }
    Section& current = sections_.back();
    if (!entry.key.isEmpty()) {
        const QString folded = foldCase(entry.key);
        if (!current.keys.contains(folded)) {
            current.keys.insert(folded, static_cast<qsizetype>(current.lines.size()));
        }
    }
    current.lines.push_back(std::move(entry));
}

const IniFile::Section* IniFile::findSection(const QString& name) const {
    const QString trimmed = nameOf(name);
    if (trimmed.isEmpty()) {
        return nullptr;
    }
    const auto it = sectionIndex_.constFind(foldCase(trimmed));
    return it == sectionIndex_.constEnd() ? nullptr : &sections_[static_cast<size_t>(*it)];
}

bool IniFile::contains(const QString& section, const QString& key) const {
    const Section* s = findSection(section);
    return s != nullptr && s->keys.contains(foldCase(nameOf(key)));
}

QString IniFile::readString(const QString& section, const QString& key, const QString& defaultValue,
                            int bufferSize) const {
    if (bufferSize <= 0) {
        return QString();
    }
    QString value;
    const Section* s = findSection(section);
    const auto it = s != nullptr ? s->keys.constFind(foldCase(nameOf(key)))
                                 : QHash<QString, qsizetype>::const_iterator();
    if (s != nullptr && it != s->keys.constEnd()) {
        value = s->lines[static_cast<size_t>(*it)].value;
        // One pair of quotes around the whole value is not part of it.
        if (value.size() >= 2 &&
            (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')) &&
            value.back() == value.front()) {
            value = value.mid(1, value.size() - 2);
        }
    } else {
        value = trimTrailingBlanks(defaultValue);
    }
    return value.left(bufferSize - 1);
}

bool IniFile::writeString(const QString& section, const QString& key, const QString& value) {
    const QString sectionName = nameOf(section);
    const QString keyName = nameOf(key);
    if (sectionName.isEmpty() || keyName.isEmpty() || keyName.contains(QLatin1Char('=')) ||
        keyName.startsWith(QLatin1Char('[')) || keyName.startsWith(QLatin1Char(';'))) {
        return false;
    }
    const qsizetype room = std::max<qsizetype>(0, kMaxLineLength - keyName.size() - 1);
    const QString cleanValue = oneLine(value).left(room);

    const QString foldedSection = foldCase(sectionName);
    auto sit = sectionIndex_.constFind(foldedSection);
    if (sit == sectionIndex_.constEnd()) {
        Section added;
        added.header = QLatin1Char('[') + sectionName + QLatin1Char(']');
        added.name = sectionName;
        sit = sectionIndex_.insert(foldedSection, static_cast<qsizetype>(sections_.size()));
        sections_.push_back(std::move(added));
    }
    Section& target = sections_[static_cast<size_t>(*sit)];

    const QString foldedKey = foldCase(keyName);
    const auto kit = target.keys.constFind(foldedKey);
    if (kit != target.keys.constEnd()) {
        // The key keeps its place and its spelling; only the value changes.
        Line& line = target.lines[static_cast<size_t>(*kit)];
        line.text = line.key + QLatin1Char('=') + cleanValue;
        line.value = trimBlanks(cleanValue);
        return true;
    }
    // After the section's last non-blank line, so blank lines that separate it from the
    // next section stay where they are. Every key line lies before that point, so the
    // indices of the other keys do not move.
    size_t at = target.lines.size();
    while (at > 0 && trimBlanks(target.lines[at - 1].text).isEmpty()) {
        --at;
    }
    Line added;
    added.text = keyName + QLatin1Char('=') + cleanValue;
    added.key = keyName;
    added.value = trimBlanks(cleanValue);
    target.lines.insert(target.lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(added));
    target.keys.insert(foldedKey, static_cast<qsizetype>(at));
    return true;
}

QByteArray IniFile::toBytes() const {
    static const QString kLineEnd = QStringLiteral("\r\n");
    QString out;
    for (size_t i = 0; i < sections_.size(); ++i) {
        const Section& s = sections_[i];
        if (i > 0) {
            out += s.header + kLineEnd;
        }
        for (const Line& line : s.lines) {
            out += line.text + kLineEnd;
        }
    }
    return text::toAnsi(out);
}

bool IniFile::save(const QString& path, QString* error) const {
    auto failed = [error](const QString& why) {
        if (error) {
            *error = why;
        }
        return false;
    };
    if (source_ == Source::Unreadable) {
        return failed(QStringLiteral("the file could not be read"));
    }
    WholeFile file(path);
    if (!file.open() || !file.write(toBytes())) {
        return failed(file.errorString());
    }
    if (source_ == Source::Partial && !copyUnreadPart(file, error)) {
        return false;
    }
    if (!file.commit()) {
        return failed(file.errorString());
    }
    return true;
}

bool IniFile::copyUnreadPart(WholeFile& out, QString* error) const {
    auto failed = [error](const QString& why) {
        if (error) {
            *error = why;
        }
        return false;
    };
    QFile in(sourcePath_);
    const QFileInfo info(sourcePath_);
    if (!in.open(QIODevice::ReadOnly) || in.size() != sourceSize_ ||
        info.lastModified().toMSecsSinceEpoch() != sourceModified_ || !in.seek(parsedBytes_)) {
        return failed(QStringLiteral("the file changed while it was in use"));
    }
    // In pieces: the part may be far larger than what is kept in memory.
    constexpr qint64 kPiece = 64 * 1024;
    qint64 copied = 0;
    while (copied < sourceSize_ - parsedBytes_) {
        const QByteArray piece = in.read(kPiece);
        if (piece.isEmpty() || in.error() != QFileDevice::NoError) {
            return failed(QStringLiteral("the file could not be read to its end"));
        }
        if (!out.write(piece)) {
            return failed(out.errorString());
        }
        copied += piece.size();
    }
    return true;
}
