#include "settings/IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

#include "core/Text.h"

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

// A byte that no text line of the file holds: control characters other than TAB.
bool isGarbageByte(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b < 0x20 && b != '\t';
}

}  // namespace

bool IniFile::load(const QString& path) {
    // Only a regular file: a device or a pipe could block or never end.
    if (!QFileInfo(path).isFile()) {
        parse(QByteArray());
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        parse(QByteArray());
        return false;
    }
    // One byte more than the limit tells parse() that the file went on.
    parse(file.read(kMaxFileBytes + 1));
    return true;
}

void IniFile::parse(const QByteArray& input) {
    sections_.assign(1, Section{});
    sectionIndex_.clear();

    QByteArray bytes = input.left(kMaxFileBytes);
    if (input.size() > kMaxFileBytes) {
        // The last line was cut by the limit: keep only whole lines.
        const qsizetype end = std::max(bytes.lastIndexOf('\n'), bytes.lastIndexOf('\r'));
        bytes.truncate(end < 0 ? 0 : end);
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
    const QString trimmed = trimBlanks(name);
    if (trimmed.isEmpty()) {
        return nullptr;
    }
    const auto it = sectionIndex_.constFind(foldCase(trimmed));
    return it == sectionIndex_.constEnd() ? nullptr : &sections_[static_cast<size_t>(*it)];
}

bool IniFile::contains(const QString& section, const QString& key) const {
    const Section* s = findSection(section);
    return s != nullptr && s->keys.contains(foldCase(trimBlanks(key)));
}

QString IniFile::readString(const QString& section, const QString& key, const QString& defaultValue,
                            int bufferSize) const {
    if (bufferSize <= 0) {
        return QString();
    }
    QString value;
    const Section* s = findSection(section);
    const auto it = s != nullptr ? s->keys.constFind(foldCase(trimBlanks(key)))
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

void IniFile::writeString(const QString& section, const QString& key, const QString& value) {
    const QString sectionName = trimBlanks(oneLine(section));
    const QString keyName = trimBlanks(oneLine(key));
    if (sectionName.isEmpty() || keyName.isEmpty() || keyName.contains(QLatin1Char('='))) {
        return;
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
        return;
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

bool IniFile::save(const QString& path) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    const QByteArray bytes = toBytes();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
