#include "core/TileFont.h"

TileFont toTileFont(const StoredFont& stored) {
    TileFont f;
    f.font = QFont(stored.family);
    f.font.setPointSize(StoredFont::usablePointSize(stored.pointSize));
    f.font.setBold(stored.bold);
    f.font.setItalic(stored.italic);
    f.font.setUnderline(stored.underline);
    f.font.setStrikeOut(stored.strikeout);
    f.color = colorFromColorRef(stored.colorRef);
    return f;
}

StoredFont toStoredFont(const TileFont& font) {
    StoredFont s;
    s.family = font.font.family();
    s.pointSize = StoredFont::usablePointSize(font.font.pointSize());
    s.bold = font.font.bold();
    s.italic = font.font.italic();
    s.underline = font.font.underline();
    s.strikeout = font.font.strikeOut();
    s.colorRef = colorRefFromColor(font.color);
    return s;
}

QColor colorFromColorRef(int value) {
    const auto v = static_cast<quint32>(value);
    return QColor(static_cast<int>(v & 0xFFu), static_cast<int>((v >> 8) & 0xFFu),
                  static_cast<int>((v >> 16) & 0xFFu));
}

int colorRefFromColor(const QColor& color) {
    const QColor rgb = color.isValid() ? color.toRgb() : QColor(Qt::black);
    return rgb.red() | (rgb.green() << 8) | (rgb.blue() << 16);
}
