#include "play/GameState.h"

#include "core/Text.h"
#include "game/Alphabet.h"

namespace {

// What the opponent's used letters keep of a long run of letters.
constexpr int kMaxMissedText = 255;

}  // namespace

void OpponentView::newWord(const QString& text, int guesses) {
    word = text::bounded(text);
    missed.clear();
    progress = QString(word.size(), QLatin1Char('_'));
    guessesLeft = guesses;
}

void OpponentView::guessed(const QString& payload) {
    if (payload.size() != 1) {
        return;
    }
    const QChar letter = Alphabet::upper(payload.at(0));
    // A byte no tile could have sent is not shown.
    if (letter != QLatin1Char(' ') && !letter.isLetter()) {
        return;
    }
    const bool same = sameWord();
    if (!same) {
        missed = (QString(letter) + QLatin1Char(' ') + missed).left(kMaxMissedText);
    }
    bool found = false;
    const qsizetype n = qMin(word.size(), progress.size());
    for (qsizetype i = 0; i < n; ++i) {
        if (Alphabet::upper(word.at(i)) == letter) {
            progress[i] = same ? QLatin1Char('X') : letter;
            found = true;
        }
    }
    if (!found) {
        --guessesLeft;
    }
}
