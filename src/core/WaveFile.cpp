#include "core/WaveFile.h"

#include <QFile>
#include <QtEndian>

std::optional<int> waveDurationMs(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return waveDurationMs(file);
}

std::optional<int> waveDurationMs(QIODevice& file) {
    const QByteArray head = file.read(12);
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE") {
        return std::nullopt;
    }
    quint32 byteRate = 0;
    // Walk the chunks; a damaged header ends the walk without a duration.
    for (int chunks = 0; chunks < 64; ++chunks) {
        const QByteArray chunk = file.read(8);
        if (chunk.size() < 8) {
            return std::nullopt;
        }
        const quint32 size = qFromLittleEndian<quint32>(chunk.constData() + 4);
        if (chunk.startsWith("fmt ")) {
            const QByteArray fmt = file.read(qMin<quint32>(size, 64));
            if (fmt.size() < 16) {
                return std::nullopt;
            }
            byteRate = qFromLittleEndian<quint32>(fmt.constData() + 8);
            if (size > 64 && !file.seek(file.pos() + (size - 64))) {
                return std::nullopt;
            }
        } else if (chunk.startsWith("data")) {
            if (byteRate == 0) {
                return std::nullopt;
            }
            // A truncated file plays only what it holds.
            const qint64 available = file.size() - file.pos();
            const qint64 bytes = qMin<qint64>(size, available);
            if (bytes <= 0) {
                return std::nullopt;
            }
            return static_cast<int>(qMin<qint64>(bytes * 1000 / byteRate, 60 * 60 * 1000));
        } else if (!file.seek(file.pos() + size + (size & 1))) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}
