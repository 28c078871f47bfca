#pragma once

#include <QString>
#include <optional>

class QIODevice;

// The playing time of a RIFF WAVE file from its header, in milliseconds; nothing when the
// file is missing, empty, not a WAVE file or too damaged to tell.
std::optional<int> waveDurationMs(const QString& path);
// The same for a file already open for reading (at its start), which must be able to seek.
std::optional<int> waveDurationMs(QIODevice& file);
