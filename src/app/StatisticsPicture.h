#pragma once

#include <QString>

// Saves a picture of the Statistics window filled with the figures of a made-up player (a
// few weeks of solo play on three lists and of the word of the day), for the README and the
// help. The figures are fixed, so the picture is the same on every run. With `daily` the
// window shows the word of the day, headed by the line to share, as it opens after one;
// otherwise all solo words, as Tools > Statistics opens it. Returns the program's exit
// status: 0 when the picture was written, 1 otherwise, with the reason on standard error.
int saveStatisticsPicture(const QString& path, bool daily);
