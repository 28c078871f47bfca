#pragma once

#include <QChar>
#include <QString>

// The letters a game can be guessed with: A..Z and the space always, tiles 1..27 as they have
// always been, then the letters beyond A..Z that the list's words use or a word brought into
// play needs, upper case, from tile 28 on. With accents folded, a letter whose base letter is
// one of A..Z counts as that letter and has no tile of its own.
class Alphabet {
public:
    static constexpr int kBaseTiles = 27;
    // What the board has room for; a list with more letters beyond A..Z keeps the first ones.
    static constexpr int kMaxExtras = 72;
    static constexpr int kMaxTiles = kBaseTiles + kMaxExtras;

    // The case letters are compared and shown in: the upper case, where the letter has one
    // the 8-bit character set can hold when the letter itself fits it (so ß stays ß).
    static QChar upper(QChar c);
    // Each character so, keeping the length (ß does not become SS).
    static QString upper(const QString& text);
    // The base letter A..Z an upper-case accented letter folds to; the letter itself when
    // it has none (ß, Æ, Œ, Ø).
    static QChar folded(QChar c);
    // A letter beyond A..Z that can be given a tile.
    static bool isExtra(QChar c);
    // The upper-case letters beyond A..Z of a text, each once, in the board's order.
    static QString extrasOf(const QString& text);
    // The letters of every language a word's letters beyond A..Z belong to: what a grid
    // offers for a word it must not give away. A letter of no such language brings every
    // letter of the 8-bit set beyond A..Z.
    static QString languagesOf(const QString& word);

    // The letters of a list: the extras start again from these.
    void setListLetters(const QString& letters);
    // A word in play: the letters it needs that the grid lacks bring their languages'.
    void admit(const QString& word);
    void setFolding(bool fold);
    bool folding() const { return folding_; }

    // The letters beyond A..Z that have tiles, in tile order.
    const QString& extras() const { return shown_; }
    int tileCount() const { return kBaseTiles + static_cast<int>(shown_.size()); }
    // The letter of a tile; a null character for a tile not in the grid.
    QChar letterOfTile(int tile) const;
    // The tile a letter is guessed with (either case; folded when accents fold), 0 if none.
    int tileOfLetter(QChar c) const;
    // The tile a key press guesses: its text first, which carries what dead keys and compose
    // made, then the key itself (A..Z, the space bar); 0 for anything else.
    int tileOfKey(int key, const QString& text) const;
    // Whether a guess of `letter` uncovers `inWord`.
    bool matches(QChar letter, QChar inWord) const;

private:
    void add(const QString& letters);
    void update();

    QString letters_;  // every letter beyond A..Z taken in, in board order
    QString shown_;
    bool folding_ = false;
};
