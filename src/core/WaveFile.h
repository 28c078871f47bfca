#pragma once

#include <QString>
#include <optional>

// The playing time of a RIFF WAVE file from its header, in milliseconds; nothing when the
// file is missing, empty, not a WAVE file or too damaged to tell.
std::optional<int> waveDurationMs(const QString& path);
