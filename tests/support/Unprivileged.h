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
