#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

// The whole file, or nothing when it cannot be read.
inline QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Replaces the file's contents; false when any of it could not be written.
inline bool writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// A fresh, empty folder for each test function: a test class holds one and renews it in
// init(), so that no test finds the files of another.
class TestFolder {
public:
    void renew() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
    }
    QString path() const { return dir_->path(); }
    QString filePath(const QString& name) const { return dir_->filePath(name); }
    // Where the program keeps its settings in this folder.
    QString ini() const { return filePath(QStringLiteral("ROPEWIT.INI")); }

private:
    std::unique_ptr<QTemporaryDir> dir_;
};
