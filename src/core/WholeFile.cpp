#include "core/WholeFile.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// The process's umask, without changing it (umask() can only be read by setting it, which
// would race with any other thread creating a file).
mode_t currentUmask() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        while (!status.atEnd()) {
            const QByteArray line = status.readLine(256);
            if (line.startsWith("Umask:")) {
                bool ok = false;
                const uint value = line.mid(6).trimmed().toUInt(&ok, 8);
                if (ok) {
                    return static_cast<mode_t>(value & 0777);
                }
            }
        }
    }
    return 022;
}

}  // namespace

WholeFile::WholeFile(const QString& path) : target_(path) {
    const QFileInfo info(path);
    if (info.isSymLink()) {
        target_ = info.symLinkTarget();
    }
}

WholeFile::~WholeFile() {
    discard();
}

void WholeFile::fail(int errnoValue) {
    failed_ = true;
    outOfSpace_ = errnoValue == ENOSPC || errnoValue == EFBIG || errnoValue == EDQUOT;
    error_ = QString::fromLocal8Bit(std::strerror(errnoValue));
}

void WholeFile::discard() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!tempName_.isEmpty()) {
        ::unlink(tempName_.constData());
        tempName_.clear();
    }
}

bool WholeFile::open() {
    discard();
    failed_ = false;
    if (QFileInfo(target_).isDir()) {
        fail(EISDIR);
        return false;
    }
    QByteArray name = QFile::encodeName(target_) + ".XXXXXX";
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) {
        fail(errno);
        return false;
    }
    fd_ = fd;
    tempName_ = name;
    // mkostemp makes the file private; give it what the old file had, or what a newly
    // created file would get.
    struct stat old {};
    const mode_t mode = ::stat(QFile::encodeName(target_).constData(), &old) == 0
                            ? (old.st_mode & 07777)
                            : (0666 & ~currentUmask());
    if (::fchmod(fd_, mode) != 0) {
        fail(errno);
        discard();
        return false;
    }
    return true;
}

bool WholeFile::write(const char* data, qint64 size) {
    if (fd_ < 0 || failed_) {
        return false;
    }
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd_, data + done, static_cast<size_t>(size - done));
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            fail(errno);
            return false;
        }
        if (n == 0) {
            fail(ENOSPC);
            return false;
        }
        done += n;
    }
    return true;
}

bool WholeFile::commit() {
    if (fd_ < 0 || failed_) {
        discard();
        return false;
    }
    // A file system may report a lack of room only when the data reaches the disk.
    if (::fsync(fd_) != 0 && errno != EINVAL && errno != EROFS) {
        fail(errno);
        discard();
        return false;
    }
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) {
        fail(errno);
        discard();
        return false;
    }
    if (std::rename(tempName_.constData(), QFile::encodeName(target_).constData()) != 0) {
        fail(errno);
        discard();
        return false;
    }
    tempName_.clear();
    return true;
}

bool WholeFile::replace(const QString& path, const QByteArray& bytes, QString* error) {
    WholeFile file(path);
    const bool ok = file.open() && file.write(bytes) && file.commit();
    if (!ok && error) {
        *error = file.errorString();
    }
    return ok;
}
