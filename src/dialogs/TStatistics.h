#pragma once

#include <QDialog>
#include <functional>

#include "game/Statistics.h"

class MissChart;
class Prompts;
class QComboBox;
class QLabel;
class QPushButton;

// The player's statistics: a choice of what to show (all solo words, one list, one word
// length, the word of the day), the figures of that choice and the distribution of misses
// as a bar chart. A summary of the game just played may head it. Reset asks first and then
// calls `reset`, which empties the statistics kept.
class TStatistics : public QDialog {
    Q_OBJECT
public:
    TStatistics(const Statistics& stats, const QString& summary, Prompts& prompts,
                std::function<void()> reset, QWidget* parent = nullptr);

    QLabel* Summary = nullptr;
    QComboBox* Shown = nullptr;
    QLabel* Figures = nullptr;
    MissChart* Chart = nullptr;
    QPushButton* Reset = nullptr;
    QPushButton* Close = nullptr;

    // The figures of a tally as the dialog shows them, one per line.
    static QString figuresText(const Tally& t, bool daily);

private:
    void show(int row);
    void resetClick();

    Statistics stats_;
    Prompts& prompts_;
    std::function<void()> reset_;
};
