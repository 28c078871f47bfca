#pragma once

#include <QByteArray>
#include <QFile>

// The process's peak resident size in kB, -1 when it cannot be read. Not getrusage's
// ru_maxrss: Linux carries that over from the parent through fork and exec, so a child
// would report its parent's peak.
inline long peakRssKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            return line.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    return -1;
}
