#pragma once

#include <QColor>
#include <QImage>
#include <QString>

// The pictures built into the program.
namespace pictures {

constexpr int kTileSize = 28;
constexpr int kGallowsWidth = 177;
constexpr int kGallowsHeight = 241;

// A 28 x 28 raised square: a 24 x 24 face, a 2-pixel white edge along the top and left and a
// 2-pixel grey (153,153,153) edge along the bottom and right, meeting on the diagonal.
QImage raisedTile(const QColor& face);
inline QImage builtinAlphabetTile() {
    return raisedTile(QColor(0, 255, 255));
}
inline QImage builtinWordTile() {
    return raisedTile(QColor(255, 0, 255));
}

// The desert scene with the empty gallows, and the same scene with the hanged figure.
QImage emptyGallows();
QImage hangedFigure();

// Loads a tile background picture from a file. A null image when it cannot be read.
QImage loadBitmap(const QString& path);

}  // namespace pictures
