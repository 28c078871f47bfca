#pragma once

#include <QDate>
#include <QElapsedTimer>
#include <QObject>
#include <memory>

#include "game/Scores.h"
#include "game/StatisticsStore.h"
#include "game/WordSource.h"

class TMainWin;
class GameController;

// What solo play remembers: every solo word that ends is counted in the statistics file
// and saved at once, the Statistics window (Tools menu), the word of the day (File menu)
// the choice of word length (Options menu) and of a list by its name (File menu). A child of the
// window.
class SoloRecords : public QObject {
    Q_OBJECT
public:
    SoloRecords(TMainWin& window, GameController& game);
    ~SoloRecords() override;

    StatisticsStore& store() { return store_; }
    // Shows the Statistics window, headed by a summary when one is given; as the result of a
    // game that ended, when asResult.
    void showStatistics(const QString& summary = {}, bool asResult = false);
    // Starts the word of the day for today's date, unless it was played already.
    void playDailyWord();
    void playDailyWord(const QDate& date);
    // Asks for a list by its title, among the game's and the player's own, and plays it alone.
    void playListByName();
    // The word length for solo play, kept in the settings and applied to the list.
    void chooseLength(Difficulty d);

private:
    void wordEnded(bool solved, int misses);
    // A solo run ends when the player starts another game: its summary and the figures are
    // shown once, and the next run counts from nothing.
    void endRun();
    void endDailyWord(const WordResult& result);
    void checkListFits();
    // A word of the day left unfinished (a call came in, the program closed) counts as lost:
    // one try a day.
    // In the destructor the window's game is gone already: nothing of it is restored.
    void abandonDaily(bool restore = true);
    QString runSummary() const;

    TMainWin& window_;
    GameController& game_;
    StatisticsStore store_;
    QElapsedTimer wordTime_;
    // The word of the day being played, and the list run it interrupted.
    QDate daily_;
    std::unique_ptr<WordSource> interrupted_;
    QString interruptedTitle_;
    Scores interruptedScores_;
    int dailyAllowed_ = 0;
    int runWords_ = 0;
    int runSolved_ = 0;
};
