#pragma once

#include <QFile>
#include <QString>

#include <sys/resource.h>
#include <unistd.h>
#include <csignal>

// File permissions do not bind the superuser. A test of an unreadable or unwritable file
// run as root does its file work as "nobody" inside this scope (the effective ids only, so
// the scope's end gives root back); as anyone else it changes nothing.
class AsUnprivileged {
public:
    static constexpr uid_t kNobody = 65534;

    AsUnprivileged() : active_(::geteuid() == 0) {
        if (active_) {
            active_ = ::setegid(kNobody) == 0 && ::seteuid(kNobody) == 0;
        }
    }
    ~AsUnprivileged() {
        if (active_) {
            (void)::seteuid(0);
            (void)::setegid(0);
        }
    }
    AsUnprivileged(const AsUnprivileged&) = delete;
    AsUnprivileged& operator=(const AsUnprivileged&) = delete;

    // Gives a file or folder made by the test to the user the scope runs as.
    static void handOver(const QString& path) {
        if (::geteuid() == 0) {
            (void)::chown(QFile::encodeName(path).constData(), kNobody, kNobody);
        }
    }

private:
    bool active_;
};

// A file and its folder handed to the unprivileged user, and one of the two (target) given
// a mode that denies that user something until the end of the scope, when the owner may
// read, write (and enter) it again.
class Restricted {
public:
    Restricted(const QString& folder, const QString& file, const QString& target,
               QFileDevice::Permissions mode)
        : target_(target), folder_(target == folder) {
        AsUnprivileged::handOver(folder);
        AsUnprivileged::handOver(file);
        QFile::setPermissions(target, mode);
    }
    ~Restricted() {
        QFile::setPermissions(target_,
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                  (folder_ ? QFileDevice::ExeOwner : QFileDevice::Permissions()));
    }
    Restricted(const Restricted&) = delete;
    Restricted& operator=(const Restricted&) = delete;

    // The file can be written but not read (mode 0200).
    static constexpr QFileDevice::Permissions kWriteOnly = QFileDevice::WriteOwner;
    // The folder can be listed and entered but nothing made in it (mode 0500).
    static constexpr QFileDevice::Permissions kReadOnlyFolder =
        QFileDevice::ReadOwner | QFileDevice::ExeOwner;

private:
    QString target_;
    bool folder_;
};

// Within this scope no file of this process may grow past `bytes`: a write beyond fails as
// on a full disk (EFBIG; the signal that would end the process is ignored meanwhile).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = old_;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};
