#pragma once

#include <QChar>
#include <QString>
#include <array>
#include <vector>

#include "core/WordList.h"
#include "game/Alphabet.h"
#include "game/Scoring.h"

// One word being guessed: the word and its clue, which positions show, the letters tried,
// and the misses still allowed.
class Round {
public:
    // Tile indices of a guess: 1..26 stand for 'A'..'Z', 27 for the space; the letters
    // beyond A..Z of the round's alphabet follow.
    static constexpr int kTiles = Alphabet::kBaseTiles;
    // The character a tile of A..Z and the space stands for; a null character outside 1..27.
    static QChar letterOfTile(int tile);
    // The tile a key guesses (A..Z, the space bar); 0 for any other key.
    static int tileOfKey(int key);

    // The letters this round can be guessed with; a word put in play adds what it needs.
    Alphabet& alphabet() { return alphabet_; }
    const Alphabet& alphabet() const { return alphabet_; }

    // Puts a word in play (cut to the tiles' length) with nothing shown and nothing tried.
    void begin(const QString& word, const QString& clue, int guessesAllowed);

    enum class Outcome {
        Ignored,  // not a tile, or a letter already tried: nothing changes
        Hit,      // the letter stands in the word
        Miss,     // a miss with guesses still left
        Hanged    // the last miss: the whole word is shown
    };
    struct Guess {
        Outcome outcome = Outcome::Ignored;
        int tile = 0;
        QChar letter;
        std::vector<int> positions;  // the positions (1..) the letter uncovered
    };
    // Tries the letter of a tile of the alphabet, compared in upper case (and without
    // accents when the alphabet folds them).
    Guess guess(int tile);

    const QString& word() const { return word_; }
    const QString& clue() const { return clue_; }
    int length() const { return static_cast<int>(word_.size()); }
    // Position p counts from 1; false outside the word.
    bool isRevealed(int p) const;
    // Every position shows (an empty word counts as complete).
    bool isComplete() const;
    // The word was lost: the player was hanged or gave it up. The whole word shows then.
    bool isLost() const { return lost_; }
    // Gives the word up: it is lost as if hanged, with the misses made so far.
    void giveUp();
    int misses() const { return guessesAllowed_ - guessesLeft_; }
    const QString& usedLetters() const { return used_; }
    // The used letters that are not in the word, in the order tried.
    QString missedLetters() const;
    // The used letters as the board lists them: each after a blank (" E T A").
    QString usedLettersLine() const;
    int guessesLeft() const { return guessesLeft_; }
    const int& guessesAllowed() const { return guessesAllowed_; }
    // The part of the figure the misses so far uncover (while guesses are left).
    scoring::Band figureBand() const;

private:
    bool inWord(QChar letter) const;

    Alphabet alphabet_;
    QString word_;
    QString clue_;
    std::array<bool, wordlist::kMaxWord + 1> revealed_{};  // index 1..kMaxWord
    QString used_;
    int guessesLeft_ = 0;
    int guessesAllowed_ = 0;
    bool lost_ = false;
};
