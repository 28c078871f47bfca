#include "app/OpponentPanel.h"

#include <QCoreApplication>
#include <QLabel>

#include "app/BoardAccess.h"
#include "app/BoardView.h"
#include "play/GameState.h"

namespace {

void setPointSize(QLabel* label, int points) {
    QFont f = label->font();
    f.setPixelSize((points * 96 + 36) / 72);
    label->setFont(f);
}

}  // namespace

void OpponentPanel::ShowName(const QString& name) {
    ui_.OppPanel->setText(name);
}

void OpponentPanel::ShowProgress(const OpponentView& opponent) {
    ui_.WebWordlabel->setText(opponent.progress);
    ui_.WebWordlabel->setAccessibleName(
        QCoreApplication::translate("Accessibility", "Your opponent's word: %1")
            .arg(boardaccess::spokenPattern(opponent.progress)));
    ShowGuesses(opponent);
}

void OpponentPanel::ShowGuesses(const OpponentView& opponent) {
    ui_.WebGuesses->setText(BoardView::guessesText(opponent.guessesLeft));
}

void OpponentPanel::ShowMissed(const OpponentView& opponent) {
    if (opponent.sameWord()) {
        setPointSize(ui_.MissedWebLabel, 8);
        ui_.MissedWebLabel->setText(QCoreApplication::translate(
            "OpponentPanel", "You are playing the same word--cannot reveal"));
    } else {
        setPointSize(ui_.MissedWebLabel, 9);
        ui_.MissedWebLabel->setText(opponent.missed);
    }
    ShowProgress(opponent);
}

void OpponentPanel::ShowNewWord(const OpponentView& opponent) {
    ui_.MissedWebLabel->clear();
    ShowProgress(opponent);
}

void OpponentPanel::Clear() {
    ui_.WebWordlabel->setText(QStringLiteral("_______________"));
    ui_.MissedWebLabel->clear();
    ui_.WebGuesses->clear();
}
