#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "game/Statistics.h"

// The statistics file: a JSON document with a format name and a version, in the program's
// data folder. It is replaced whole or not at all. A file that cannot be used (damaged,
// of a newer version, unreadable, too large) is renamed aside and the player is told once;
// play goes on with empty statistics. Two copies of the program may run at once: each
// keeps the results it has not yet saved, and a save reads the file again under a lock and
// adds them to what is there, so neither copy's results are lost.
class StatisticsStore {
public:
    // A file above this size was not written by the program.
    static constexpr qint64 kMaxFileSize = 4 * 1024 * 1024;

    explicit StatisticsStore(QString path);
    // statistics.json in the data folder of the running application.
    static QString defaultPath();

    // Told, once per kind and run, in a sentence for the player.
    std::function<void(const QString&)> reportProblem;

    const QString& path() const { return path_; }
    const Statistics& statistics() const { return stats_; }
    // Reads the file (none yet is fine).
    void load();
    // False when the result is refused (a second try of the same day); otherwise it counts
    // at once and waits for the next save.
    bool record(const WordResult& result);
    // Adds the results not yet saved to the file as it now is; false when the file could
    // not be written, in which case they stay waiting for the next save.
    bool save();
    // Empties the statistics, in the file too.
    bool reset();

private:
    enum class FileState { Missing, Good, Unusable };
    // Reads the file into *into; an unusable file is set aside (or, failing that, kept
    // from being written over).
    FileState read(Statistics* into);
    void setAside(const QString& why);
    bool write(const Statistics& stats);
    void tell(bool* told, const QString& text);

    QString path_;
    Statistics stats_;
    std::vector<WordResult> unsaved_;
    // The file could not be moved aside: it is never written over.
    bool blocked_ = false;
    bool toldFile_ = false;
    bool toldSave_ = false;
};
