#pragma once

#include <QImage>

// The pictures the board draws from, none of them a control of its own.
struct BoardPictures {
    QImage NoHangPicture;          // what NoHang shows (177 x 241)
    QImage YesHang;                // the complete figure
    QImage EmptyGallows;           // the gallows before a word
    QImage AlphaImage, WordImage;  // built-in tile backgrounds
    QImage SavedAlpha, SavedWord;  // tile backgrounds in use
};
