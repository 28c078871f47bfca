#include "game/ListCatalog.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

#include "core/PackedList.h"
#include "core/WordList.h"
#include "game/DailyWord.h"

namespace listcatalog {

bool describe(const QString& path, Entry* entry) {
    const wordlist::FileBytes file = wordlist::readBytes(path);
    if (file.status != wordlist::Status::Ok) {
        return false;
    }
    // The packed form counts the words without making a text of each.
    bool tooLarge = false;
    const PackedList list = PackedList::read(file.bytes, nullptr, &tooLarge);
    if (tooLarge) {
        return false;
    }
    entry->path = path;
    entry->title = list.title().trimmed();
    if (entry->title.isEmpty()) {
        entry->title = QFileInfo(path).completeBaseName();
    }
    entry->words = list.size();
    return true;
}

namespace {

QList<Entry> scanFolder(const QString& dir, bool own) {
    QList<Entry> found;
    const QFileInfoList files = QDir(dir).entryInfoList(
        {QStringLiteral("*.txt")}, QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& info : files) {
        Entry entry;
        entry.own = own;
        if (info.fileName().compare(QLatin1String(dailyword::kListName), Qt::CaseInsensitive) !=
                0 &&
            describe(info.filePath(), &entry) && entry.words > 0) {
            found.append(entry);
        }
    }
    std::stable_sort(found.begin(), found.end(), [](const Entry& a, const Entry& b) {
        return a.title.compare(b.title, Qt::CaseInsensitive) < 0;
    });
    return found;
}

}  // namespace

QList<Entry> scan(const QString& programDir, const QString& ownDir) {
    QList<Entry> all = scanFolder(programDir, false);
    if (!ownDir.isEmpty() && QDir(ownDir) != QDir(programDir)) {
        all += scanFolder(ownDir, true);
    }
    return all;
}

QString ownFolder(const QString& dataDir) {
    const QString base = dataDir.isEmpty()
                             ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                             : dataDir;
    const QString dir = QDir(base).filePath(QStringLiteral("lists"));
    QDir().mkpath(dir);
    return dir;
}

}  // namespace listcatalog
