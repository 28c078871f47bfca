#include "dialogs/TGuess.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/Prompts.h"
#include "core/Text.h"
#include "widgets/Ui.h"

namespace {

constexpr int kGuessChars = 2;

}  // namespace

TGuess::TGuess(Settings& settings, Prompts& prompts, QWidget* parent)
    : CheckedDialog(parent), settings_(settings), prompts_(prompts) {
    // The caption's spelling is the one players have always seen.
    setWindowTitle(tr("Guess Attemps"));
    setFont(arialFont(13));
    setFixedSize(162, 50);

    Label1 =
        plainLabel(this, tr("Guess Attempts"), {0, 2, 109, 19}, Qt::AlignRight | Qt::AlignVCenter);
    TheGuess = new QLineEdit(this);
    TheGuess->setMaxLength(kGuessChars);
    TheGuess->setGeometry(114, 0, 41, 21);
    Label1->setBuddy(TheGuess);  // what a reader calls the field

    OK = new QPushButton(tr("&Ok"), this);
    OK->setGeometry(44, 25, 75, 23);
    OK->setDefault(true);
    connect(OK, &QPushButton::clicked, this, [this] { done(Accepted); });
    // Esc presses Ok: the same check, the same storing.
    setEscapeButton(OK);

    TheGuess->setText(settings_.NumGuesses);
}

bool TGuess::FormCloseQuery() {
    const int value = text::leadingInt(TheGuess->text());
    if (value < kMinGuesses || value > kMaxGuesses) {
        prompts_.message(this, tr("Information"),
                         tr("Guesses should be between 1 and 20.  Please Correct."));
        TheGuess->setFocus();
        return false;
    }
    return true;
}

void TGuess::FormClose() {
    settings_.NumGuesses = text::bounded(TheGuess->text(), kGuessChars);
    SaveSettings(settings_);
}
