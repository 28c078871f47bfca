#pragma once

#include <QColor>
#include <QIcon>
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

// The desert scene with the empty gallows, and the same scene with the hanged figure, for a
// screen of the given device pixel ratio: drawn at 1x, 2x or 3x (the smallest that is at
// least the ratio) and carrying that ratio, so both always take 177 x 241 logical pixels.
QImage emptyGallows(qreal devicePixelRatio = 1.0);
QImage hangedFigure(qreal devicePixelRatio = 1.0);

// The scale of the gallows pictures drawn for a device pixel ratio: 1, 2 or 3.
int artScale(qreal devicePixelRatio);

// Copies the rectangle `logical` (in logical pixels) of `source` onto the same place of
// `target`, pixel for pixel at the pictures' own ratio. Both must share that ratio.
void copyBand(QImage& target, const QImage& source, const QRect& logical);

// The program's icon (the gallows on sky and sand) in every size it is drawn in.
QIcon programIcon();
// The sizes, in pixels, the icon is drawn in.
inline constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// Loads a tile background picture from a file. A null image when it cannot be read.
QImage loadBitmap(const QString& path);

}  // namespace pictures
