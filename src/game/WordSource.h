#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "core/PackedList.h"
#include "core/WordList.h"
#include "game/Difficulty.h"

class Random;

// The loaded word list and the place in it: the words and clues, the list's title, the
// position and number of the current word, and which words have been handed to an opponent.
class WordSource {
public:
    struct LoadOutcome {
        wordlist::Status status = wordlist::Status::Ok;
        QString errorString;        // why reading stopped early or failed
        bool fellBack = false;      // the file gave no words: the stand-in list is in place
        wordlist::Skipped skipped;  // lines that were not entries
        // What the player is told, in this order (what could be read is kept).
        QStringList problems() const;
    };
    // Replaces the list by a file's. A file that cannot be read or holds no word gives the
    // stand-in list "NoWords" titled "File Not Found". With a generator the list is
    // scrambled as it is read (the stand-in too).
    LoadOutcome load(const QString& path, Random* scramble);
    // Replaces the list by the given one, as a load would leave it.
    void setList(const QString& title, const QStringList& words, const QStringList& hints);

    bool loaded() const { return loaded_; }
    const QString& title() const { return title_; }
    int count() const { return list_.size(); }
    // The upper-case letters beyond A..Z the list's words use, in the board's order.
    const QString& letters() const { return letters_; }
    // Word and clue at a position of the list (0 .. count() - 1), as read.
    QString word(int position) const { return list_.word(position); }
    QString hint(int position) const { return list_.clue(position); }
    // Every word and every clue, as texts made on request: for small lists.
    QStringList words() const;
    QStringList hints() const;
    // The memory the list's words and clues hold, in bytes.
    qint64 heldBytes() const { return list_.heldBytes(); }

    // Index (from 0) of the current word, -1 before the first; and its number as shown.
    int index() const { return index_; }
    int number() const { return number_; }
    // Before the first word of a game.
    void restart();
    // After a list is loaded for solo play: the next word is the list's second.
    void rewind();

    // Solo: only words of this length are played. The count of those words; 0 means the
    // list has none, and the caller chooses another length.
    void setDifficulty(Difficulty d);
    Difficulty difficulty() const { return difficulty_; }
    int fittingCount() const { return fitting_; }

    // Solo: the next word (of the chosen length) and its clue (an empty clue reads "No hint
    // given"); after the last word the list starts again.
    wordlist::Entry nextWord();
    // Two-player: counts one more word, which the flow itself provides.
    void countWord();
    // The length both typed words of a step must have when their lengths must be equal: 5..9,
    // from the number of words played in this game, which both sides count alike at every
    // step (the list position is not shared: only the side that deals from its list moves
    // it). No word played gives 6, then 5, 6, 7, 8, 9, 5 ...: what the position gives when
    // nothing but the played words moves it.
    static int typedWordLength(int wordsPlayed);
    // "Word n", and " of m" (the list's length) when the list itself provides the words.
    QString numberText(bool ofList) const;

    // Marks of the words handed to an opponent.
    bool isUsed(int position) const;
    int usedCount() const { return static_cast<int>(used_.size()) - 1; }

    // The first word after position p (going round the list, never past p itself) that is
    // not marked and has n characters; it is marked. An empty word when there is none.
    wordlist::Entry findSameLengthWord(int p, int n);

    // Both players' words of a two-player step when the program chooses them.
    struct Deal {
        wordlist::Entry own;    // this player's word; an empty clue reads "No hint given"
        wordlist::Entry other;  // the opponent's; an empty clue stays empty
        // No two words of the same length were found: any two words were dealt instead.
        bool sameLengthDropped = false;
    };
    // A word with a letter the 8-bit set cannot hold is passed over.
    Deal deal(bool sameWord, bool sameLength);

    // The word and clue an opponent dealt this player ("word:clue" as sent): the word cut
    // to the tiles, an empty clue reads "No hint given", as for a word of the own list.
    static wordlist::Entry fromOpponent(const QString& payload);

private:
    // Moves on by one, to 0 after the last word; true when it went round like that.
    bool advance();
    wordlist::Entry ownAt(int position) const;
    wordlist::Entry otherAt(int position) const;
    Deal dealOnce(bool sameWord, bool sameLength);
    Deal dealSameLength();
    void findLetters();
    void ensurePlayable();
    void adopt(const QString& title, PackedList list);
    void countFitting();

    bool loaded_ = false;
    QString title_;
    // The words and clues as the file's bytes and where each entry lies: one text per word
    // would cost several times the file.
    PackedList list_;
    std::vector<bool> used_ = std::vector<bool>(1, false);  // count() + 1 marks
    int index_ = -1;
    int number_ = 0;
    Difficulty difficulty_ = Difficulty::Any;
    int fitting_ = 0;
    QString letters_;
};
