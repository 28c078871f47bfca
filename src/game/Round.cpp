#include "game/Round.h"

QChar Round::letterOfTile(int tile) {
    if (tile < 1 || tile > kTiles) {
        return {};
    }
    return tile == kTiles ? QLatin1Char(' ') : QChar(char16_t(64 + tile));
}

void Round::begin(const QString& word, const QString& clue, int guessesAllowed) {
    word_ = word.left(wordlist::kMaxWord);
    alphabet_.admit(word_);
    clue_ = clue;
    revealed_.fill(false);
    used_.clear();
    guessesLeft_ = guessesAllowed;
    guessesAllowed_ = guessesAllowed;
    lost_ = false;
}

int Round::tileOfKey(int key) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        return key - Qt::Key_A + 1;
    }
    return key == Qt::Key_Space ? kTiles : 0;
}

Round::Guess Round::guess(int tile) {
    Guess result;
    result.tile = tile;
    result.letter = alphabet_.letterOfTile(tile);
    if (result.letter.isNull() || used_.contains(result.letter)) {
        return result;
    }
    for (int p = 1; p <= length(); ++p) {
        if (alphabet_.matches(result.letter, word_.at(p - 1))) {
            revealed_[p] = true;
            result.positions.push_back(p);
        }
    }
    used_ += result.letter;
    if (!result.positions.empty()) {
        result.outcome = Outcome::Hit;
        return result;
    }
    --guessesLeft_;
    if (guessesLeft_ > 0) {
        result.outcome = Outcome::Miss;
        return result;
    }
    giveUp();
    result.outcome = Outcome::Hanged;
    return result;
}

void Round::giveUp() {
    revealed_.fill(true);
    lost_ = true;
}

bool Round::isRevealed(int p) const {
    return p >= 1 && p <= length() && revealed_[p];
}

bool Round::isComplete() const {
    for (int p = 1; p <= length(); ++p) {
        if (!revealed_[p]) {
            return false;
        }
    }
    return true;
}

bool Round::inWord(QChar letter) const {
    for (const QChar c : word_) {
        if (alphabet_.matches(letter, c)) {
            return true;
        }
    }
    return false;
}

QString Round::missedLetters() const {
    QString missed;
    for (const QChar c : used_) {
        if (!inWord(c)) {
            missed += c;
        }
    }
    return missed;
}

QString Round::usedLettersLine() const {
    QString line;
    for (const QChar c : used_) {
        line += QLatin1Char(' ');
        line += c;
    }
    return line;
}

scoring::Band Round::figureBand() const {
    return scoring::figureBand(guessesAllowed_ - guessesLeft_, guessesAllowed_);
}
