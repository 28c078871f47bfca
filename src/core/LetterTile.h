#pragma once

#include <QChar>
#include <QImage>

#include "core/TileFont.h"

// Composes one 28 x 28 letter tile: the top-left 28 x 28 pixels of the background with the
// character laid over it in the font's colour, centred by its text cell, with no box. The
// glyph is cut out of the background with an inverted mask (OR NOT) and then filled with the
// colour through a second mask (AND), so every glyph pixel takes the colour exactly.
//
// For a screen with a device pixel ratio above 1 the tile has as many pixels as the screen
// shows (56 x 56 at 2) and carries that ratio, so it still takes 28 x 28 logical pixels: the
// glyph is drawn at the screen's resolution, the centring is worked out in logical pixels as
// at ratio 1, and the masks are combined pixel by pixel as at ratio 1. A background with a
// ratio of its own contributes its top-left 28 x 28 logical pixels.
QImage MakeLetterTile(QChar c, const QImage& background, const TileFont& font,
                      qreal devicePixelRatio = 1.0);
// The same in the font the settings keep.
QImage MakeLetterTile(QChar c, const QImage& background, const StoredFont& font,
                      qreal devicePixelRatio = 1.0);

// The font as tiles draw it: without anti-aliasing, so that each pixel is either glyph or
// background.
QFont tileDrawingFont(const QFont& font);
