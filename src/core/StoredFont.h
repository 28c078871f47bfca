#pragma once

#include <QString>

// The font of one set of letter tiles as ROPEWIT.INI keeps it: plain values, so that the
// settings need nothing of Qt Gui. It lives below both the settings and the tiles, which turn
// it into a QFont and a QColor (core/TileFont.h).
struct StoredFont {
    static constexpr int kDefaultPointSize = 14;
    // A size outside 1..kMaxPointSize cannot have come from the font chooser; the tiles get
    // the default instead of an unusable or absurdly large font.
    static constexpr int kMaxPointSize = 999;

    QString family = QStringLiteral("Arial");
    int pointSize = kDefaultPointSize;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    // A Windows COLORREF number, 0x00BBGGRR, as the file keeps it.
    int colorRef = 0;

    static int usablePointSize(int points) {
        return points >= 1 && points <= kMaxPointSize ? points : kDefaultPointSize;
    }
    // The top byte of a COLORREF is no part of the colour.
    static int colorOnly(int colorRef) {
        return static_cast<int>(static_cast<unsigned>(colorRef) & 0xFFFFFFu);
    }

    friend bool operator==(const StoredFont& a, const StoredFont& b) {
        return a.family == b.family && a.pointSize == b.pointSize && a.bold == b.bold &&
               a.italic == b.italic && a.underline == b.underline && a.strikeout == b.strikeout &&
               a.colorRef == b.colorRef;
    }
    friend bool operator!=(const StoredFont& a, const StoredFont& b) { return !(a == b); }
};
