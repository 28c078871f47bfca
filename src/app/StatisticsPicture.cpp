#include "app/StatisticsPicture.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLayout>
#include <QPixmap>
#include <cstdio>

#include "core/Prompts.h"
#include "dialogs/TStatistics.h"
#include "game/DailyWord.h"

namespace {

// The last day played; the date of the README's example line.
const QDate kToday(2026, 5, 1);
constexpr int kGuessesAllowed = 8;
// Misses of the words in the order played, -1 for a lost word: mostly a few, now and then
// none or many, as a player who knows the lists a little would do.
constexpr int kPattern[] = {2, 1, 3, 0, 2, -1, 4, 1, 2, 5, 3, 1, -1, 2, 6, 0, 3, 2, 1, 4};
constexpr int kPatternSize = int(sizeof kPattern / sizeof kPattern[0]);

// Answers nothing: the window is only drawn.
class NoPrompts : public Prompts {
public:
    void message(QWidget*, const QString&, const QString&) override {}
    bool question(QWidget*, const QString&, const QString&) override { return false; }
    std::optional<QString> openFile(QWidget*, const FileChooserRequest&) override { return {}; }
    std::optional<QString> saveFile(QWidget*, const FileChooserRequest&) override { return {}; }
    std::optional<TileFont> chooseFont(QWidget*, const TileFont&, int) override { return {}; }
    int runDialog(QDialog&) override { return QDialog::Rejected; }
};

void playList(Statistics& stats, const QString& title, Difficulty difficulty, int words,
              int offset) {
    long long score = 0;
    for (int i = 0; i < words; ++i) {
        const int misses = kPattern[(i + offset) % kPatternSize];
        WordResult r;
        r.list = title;
        r.difficulty = difficulty;
        r.solved = misses >= 0;
        r.misses = r.solved ? misses : kGuessesAllowed;
        score = r.solved ? score + kGuessesAllowed - misses : 0;
        r.runScore = score;
        r.seconds = 35 + 7 * ((i + offset) % 9);
        stats.record(r);
    }
}

Statistics madeUpStatistics() {
    Statistics stats;
    playList(stats, QStringLiteral("Animals"), Difficulty::Any, 46, 0);
    playList(stats, QStringLiteral("Food and Drink"), Difficulty::Medium, 27, 7);
    playList(stats, QStringLiteral("Countries and Cities"), Difficulty::Long, 19, 3);
    constexpr int kDays = 24;
    for (int day = 0; day < kDays; ++day) {
        const int misses = day == kDays - 1 ? 2 : kPattern[(day + 11) % kPatternSize];
        WordResult r;
        r.list = QStringLiteral("Word of the Day");
        r.daily = kToday.addDays(day - kDays + 1);
        r.solved = misses >= 0;
        r.misses = r.solved ? misses : kGuessesAllowed;
        r.seconds = 60;
        stats.record(r);
    }
    return stats;
}

}  // namespace

int saveStatisticsPicture(const QString& path, bool daily) {
    NoPrompts prompts;
    const QString summary =
        daily ? dailyword::shareLine(kToday, true, 2, kGuessesAllowed) + QLatin1Char('\n') +
                    QCoreApplication::translate("SoloRecords", "(Copied, ready to share.)")
              : QString();
    TStatistics dialog(madeUpStatistics(), summary, prompts, [] {});
    if (daily) {
        dialog.Shown->setCurrentIndex(dialog.Shown->count() - 1);
    }
    dialog.setVisible(true);
    // The wrapped summary's height is known only once the dialog has its width; the small
    // offscreen screen would otherwise cut the dialog short.
    dialog.resize(dialog.width(), dialog.layout()->totalHeightForWidth(dialog.width()));
    QCoreApplication::processEvents();
    const QPixmap picture = dialog.grab();
    if (picture.isNull() || !picture.save(path, "PNG")) {
        std::fprintf(stderr, "ropewit: cannot write %s\n", qPrintable(path));
        return 1;
    }
    std::printf("wrote %s (%dx%d)\n", qPrintable(path), picture.width(), picture.height());
    return 0;
}
