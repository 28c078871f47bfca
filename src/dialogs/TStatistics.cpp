#include "dialogs/TStatistics.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Prompts.h"
#include "widgets/MissChart.h"

namespace {
// What each row of the choice shows: the overall figures, one list's, one length's, or
// those of the word of the day.
enum Kind { Overall, List, Length, Daily };
}  // namespace

TStatistics::TStatistics(const Statistics& stats, const QString& summary, Prompts& prompts,
                         std::function<void()> reset, QWidget* parent)
    : QDialog(parent), stats_(stats), prompts_(prompts), reset_(std::move(reset)) {
    setWindowTitle(tr("Statistics"));
    auto* layout = new QVBoxLayout(this);
    Summary = new QLabel(summary, this);
    Summary->setTextFormat(Qt::PlainText);
    Summary->setWordWrap(true);
    Summary->setVisible(!summary.isEmpty());
    layout->addWidget(Summary);
    Shown = new QComboBox(this);
    Shown->addItem(tr("All solo words"), QStringList{QString::number(Overall), {}});
    for (auto it = stats_.lists().begin(); it != stats_.lists().end(); ++it) {
        Shown->addItem(tr("List: %1").arg(it.key()), QStringList{QString::number(List), it.key()});
    }
    for (auto it = stats_.difficulties().begin(); it != stats_.difficulties().end(); ++it) {
        Difficulty d = Difficulty::Any;
        difficulty::fromKey(it.key(), &d);
        Shown->addItem(difficulty::title(d), QStringList{QString::number(Length), it.key()});
    }
    Shown->addItem(tr("Word of the day"), QStringList{QString::number(Daily), {}});
    layout->addWidget(Shown);
    Figures = new QLabel(this);
    Figures->setTextFormat(Qt::PlainText);
    layout->addWidget(Figures);
    layout->addWidget(new QLabel(tr("Solved words by their misses:"), this));
    Chart = new MissChart(this);
    layout->addWidget(Chart);
    auto* buttons = new QHBoxLayout;
    Reset = new QPushButton(tr("&Reset..."), this);
    Close = new QPushButton(tr("&Close"), this);
    Close->setDefault(true);
    buttons->addWidget(Reset);
    buttons->addStretch();
    buttons->addWidget(Close);
    layout->addLayout(buttons);
    connect(Shown, &QComboBox::currentIndexChanged, this, &TStatistics::show);
    connect(Reset, &QPushButton::clicked, this, &TStatistics::resetClick);
    connect(Close, &QPushButton::clicked, this, &QDialog::accept);
    show(0);
}

QString TStatistics::figuresText(const Tally& t, bool daily) {
    const QString word = daily ? tr("days") : tr("words");
    return tr("Played: %1\nSolved: %2\nLost: %3\nWon: %4%\n"
              "Current streak: %5 %6\nBest streak: %7 %6\n"
              "Average misses per solved word: %8\n")
               .arg(t.played)
               .arg(t.solved)
               .arg(t.lost())
               .arg(t.winPercent())
               .arg(t.currentStreak)
               .arg(word)
               .arg(t.bestStreak)
               .arg(t.averageMisses(), 0, 'f', 1) +
           (daily ? QString()
                  : tr("Best solo score: %1\nTime played: %2 h %3 min")
                        .arg(t.bestScore)
                        .arg(t.seconds / 3600)
                        .arg(t.seconds / 60 % 60, 2, 10, QLatin1Char('0')));
}

void TStatistics::show(int row) {
    const QStringList what = Shown->itemData(row).toStringList();
    const int kind = what.value(0).toInt();
    const Tally t = kind == List     ? stats_.lists().value(what.value(1))
                    : kind == Length ? stats_.difficulties().value(what.value(1))
                    : kind == Daily  ? stats_.daily()
                                     : stats_.overall();
    Figures->setText(figuresText(t, kind == Daily));
    Chart->setCounts(std::vector<qint64>(t.misses.begin(), t.misses.end()));
}

void TStatistics::resetClick() {
    if (!prompts_.question(this, tr("Reset Statistics"),
                           tr("Forget every result played so far, the word of the "
                              "day's too? This cannot be undone."))) {
        return;
    }
    reset_();
    stats_ = Statistics();
    Shown->clear();
    Shown->addItem(tr("All solo words"), QStringList{QString::number(Overall), {}});
    show(0);
}
