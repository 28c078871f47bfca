#pragma once

#include <QColor>
#include <QFont>

#include "core/StoredFont.h"

// A font as the tiles draw it and the font chooser shows it: Qt's font plus the colour that
// Qt keeps apart.
struct TileFont {
    QFont font;
    QColor color = Qt::black;
};

// The font the settings keep, ready to draw. A size the file could not have given is the
// default size.
TileFont toTileFont(const StoredFont& stored);
// What the settings keep of a chosen font: family, whole points, the four styles and the
// colour. A font given in pixels has no point size and is kept at the default size.
StoredFont toStoredFont(const TileFont& font);

// Colours are kept as Windows COLORREF numbers: 0x00BBGGRR.
QColor colorFromColorRef(int value);
int colorRefFromColor(const QColor& color);
