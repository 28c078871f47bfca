// Feeds arbitrary files to the reader of a wave file's playing time: it answers within
// bounds or not at all, and never reads past what it was given.
#include <QBuffer>
#include <QByteArray>
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"
#include "core/WaveFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    const std::optional<int> ms = waveDurationMs(file);
    if (ms) {
        require(*ms >= 0 && *ms <= 60 * 60 * 1000);
        require(size >= 12 + 8);
    }
    return 0;
}
