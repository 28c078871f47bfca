#pragma once

#include <QImage>
#include <QString>
#include <functional>

// The pictures the board draws from, none of them a control of its own.
struct BoardPictures {
    QImage NoHangPicture;          // what NoHang shows (177 x 241)
    QImage YesHang;                // the complete figure
    QImage EmptyGallows;           // the gallows before a word
    QImage AlphaImage, WordImage;  // built-in tile backgrounds
    QImage SavedAlpha, SavedWord;  // tile backgrounds in use

    // The built-in pictures drawn for a screen's pixel ratio, the empty gallows showing.
    static BoardPictures builtin(qreal pixelRatio);
    // Puts the tile backgrounds at these paths in use. A picture that has gone missing
    // falls back silently to the built-in one; for one that exists but cannot be read,
    // invalid() is called and the built-in one is used.
    void loadTileBackgrounds(const QString& alphabetPath, const QString& wordPath,
                             const std::function<void()>& invalid);
};
