#pragma once

#include <QChar>
#include <QImage>

#include "core/Prompts.h"

// Composes one 28 x 28 letter tile: the top-left 28 x 28 pixels of the background with the
// character laid over it in the font's colour, centred by its text cell, with no box. The
// glyph is cut out of the background with an inverted mask (OR NOT) and then filled with the
// colour through a second mask (AND), so every glyph pixel takes the colour exactly.
QImage MakeLetterTile(QChar c, const QImage& background, const TileFont& font);

// The font as tiles draw it: without anti-aliasing, so that each pixel is either glyph or
// background.
QFont tileDrawingFont(const QFont& font);
