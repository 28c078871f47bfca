#pragma once

#include <QByteArray>
#include <QString>

// Replaces a file with new content, whole or not at all. The bytes go to a new file beside
// the old one, written without a buffer in between so that every failed write is seen when
// it happens (Qt's QSaveFile learns of a failed buffered write only after it has decided
// the file is good). Each write, the sync to disk and the close are checked; only then does
// a rename put the new file in the old one's place. On any failure the old file is left as
// it was and the new one is removed.
//
// A new file gets the permissions the process's umask gives; a replaced file keeps its own.
// A symbolic link is followed: the file it points to is replaced, the link stays.
class WholeFile {
public:
    explicit WholeFile(const QString& path);
    ~WholeFile();  // removes the new file unless commit() succeeded
    WholeFile(const WholeFile&) = delete;
    WholeFile& operator=(const WholeFile&) = delete;

    // Creates the new file. False when that is not possible (no folder, no permission,
    // a folder in the file's place).
    bool open();
    // Appends bytes; false when not all of them reached the file.
    bool write(const char* data, qint64 size);
    bool write(const QByteArray& bytes) { return write(bytes.constData(), bytes.size()); }
    // Syncs, closes and renames the new file over the old one; false when any step failed
    // or any earlier write did.
    bool commit();

    // Why the last step failed, from the system.
    QString errorString() const { return error_; }
    // True when the failure was a lack of room (a full disk or a file size limit).
    bool outOfSpace() const { return outOfSpace_; }

    // The whole job in one call.
    static bool replace(const QString& path, const QByteArray& bytes, QString* error = nullptr);

private:
    void fail(int errnoValue);
    void discard();

    QString target_;
    QByteArray tempName_;
    int fd_ = -1;
    bool failed_ = false;
    bool outOfSpace_ = false;
    QString error_;
};
