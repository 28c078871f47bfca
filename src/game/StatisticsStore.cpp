#include "game/StatisticsStore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QLockFile>
#include <QStandardPaths>

#include "core/WholeFile.h"

StatisticsStore::StatisticsStore(QString path) : path_(std::move(path)) {}

QString StatisticsStore::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/statistics.json");
}

void StatisticsStore::load() {
    Statistics read;
    this->read(&read);
    stats_ = read;
    unsaved_.clear();
}

bool StatisticsStore::record(const WordResult& result) {
    if (!stats_.record(result)) {
        return false;
    }
    unsaved_.push_back(result);
    return true;
}

void StatisticsStore::tell(bool* told, const QString& text) {
    if (!*told && reportProblem) {
        reportProblem(text);
    }
    *told = true;
}

void StatisticsStore::setAside(const QString& why) {
    const QString aside = path_ + QStringLiteral(".unusable-") +
                          QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    QFile::remove(aside);
    if (!QFile::rename(path_, aside)) {
        blocked_ = true;
        tell(&toldFile_,
             QCoreApplication::translate("StatisticsStore",
                                         "The statistics file %1 %2. It could not be moved aside "
                                         "either, so this game's results will not be saved.")
                 .arg(QDir::toNativeSeparators(path_), why));
        return;
    }
    tell(&toldFile_,
         QCoreApplication::translate("StatisticsStore",
                                     "The statistics file %1 %2. It was kept as %3, and the "
                                     "statistics start again from nothing.")
             .arg(QDir::toNativeSeparators(path_), why, QDir::toNativeSeparators(aside)));
}

StatisticsStore::FileState StatisticsStore::read(Statistics* into) {
    const QFileInfo info(path_);
    if (!info.exists()) {
        return FileState::Missing;
    }
    if (info.size() > kMaxFileSize) {
        setAside(
            QCoreApplication::translate("StatisticsStore", "is far too large to hold statistics"));
        return FileState::Unusable;
    }
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) {
        setAside(QCoreApplication::translate("StatisticsStore", "could not be read (%1)")
                     .arg(file.errorString()));
        return FileState::Unusable;
    }
    // Read at most one byte past the limit: the file may have grown since it was measured.
    const QByteArray bytes = file.read(kMaxFileSize + 1);
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (bytes.size() > kMaxFileSize || error.error != QJsonParseError::NoError || !doc.isObject()) {
        setAside(QCoreApplication::translate("StatisticsStore", "is damaged"));
        return FileState::Unusable;
    }
    switch (into->fromJson(doc.object())) {
        case Statistics::Read::Newer:
            setAside(QCoreApplication::translate("StatisticsStore",
                                                 "was written by a newer version of Ropewit"));
            return FileState::Unusable;
        case Statistics::Read::Damaged:
            setAside(QCoreApplication::translate("StatisticsStore", "is damaged"));
            return FileState::Unusable;
        case Statistics::Read::Repaired:
            tell(&toldFile_,
                 QCoreApplication::translate("StatisticsStore",
                                             "Some figures in the statistics file %1 were "
                                             "impossible and have been corrected.")
                     .arg(QDir::toNativeSeparators(path_)));
            break;
        case Statistics::Read::Ok:
            break;
    }
    return FileState::Good;
}

bool StatisticsStore::write(const Statistics& stats) {
    WholeFile file(path_);
    const bool written =
        file.open() && file.write(QJsonDocument(stats.toJson()).toJson(QJsonDocument::Indented)) &&
        file.commit();
    if (!written) {
        tell(&toldSave_,
             file.outOfSpace()
                 ? QCoreApplication::translate("StatisticsStore",
                                               "The statistics could not be saved: the disk is "
                                               "full. The file keeps what it held before.")
                 : QCoreApplication::translate("StatisticsStore",
                                               "The statistics could not be saved to %1 (%2). The "
                                               "file keeps what it held before.")
                       .arg(QDir::toNativeSeparators(path_), file.errorString()));
    }
    return written;
}

bool StatisticsStore::save() {
    if (blocked_) {
        return false;
    }
    QDir().mkpath(QFileInfo(path_).absolutePath());
    // The other copy's save is a read and a write too: the lock keeps the two apart. A stale
    // lock (a copy that crashed) is taken over after a short wait.
    QLockFile lock(path_ + QStringLiteral(".lock"));
    lock.setStaleLockTime(10000);
    if (!lock.tryLock(3000)) {
        tell(&toldSave_,
             QCoreApplication::translate("StatisticsStore",
                                         "The statistics could not be saved: another copy of "
                                         "Ropewit keeps the file busy. They will be saved later."));
        return false;
    }
    Statistics merged;
    if (read(&merged) == FileState::Unusable && blocked_) {
        return false;
    }
    for (const WordResult& r : unsaved_) {
        merged.record(r);
    }
    stats_ = merged;
    if (!write(merged)) {
        return false;
    }
    unsaved_.clear();
    return true;
}

bool StatisticsStore::reset() {
    unsaved_.clear();
    stats_ = Statistics();
    if (blocked_) {
        return false;
    }
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QLockFile lock(path_ + QStringLiteral(".lock"));
    return lock.tryLock(3000) && write(stats_);
}
