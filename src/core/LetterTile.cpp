#include "core/LetterTile.h"

#include <QFontMetrics>
#include <QPainter>

#include "core/Pictures.h"

QFont tileDrawingFont(const QFont& font) {
    QFont f = font;
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

QImage MakeLetterTile(QChar c, const QImage& background, const TileFont& font) {
    constexpr int kSize = pictures::kTileSize;
    QImage tile(kSize, kSize, QImage::Format_RGB32);
    // A background smaller than the tile leaves white where it has no pixels.
    tile.fill(Qt::white);
    {
        QPainter p(&tile);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(QPoint(0, 0), background, QRect(0, 0, kSize, kSize));
    }

    const QFont drawFont = tileDrawingFont(font.font);
    QImage mask(kSize, kSize, QImage::Format_RGB32);
    mask.fill(Qt::white);

    const QString text(c);
    int x = 0;
    int y = 0;
    int ascent = 0;
    {
        // Metrics of the paint device itself, so measuring and drawing agree.
        QPainter p(&mask);
        p.setFont(drawFont);
        const QFontMetrics metrics = p.fontMetrics();
        const int w = metrics.horizontalAdvance(text);
        const int h = metrics.height();
        ascent = metrics.ascent();
        // Truncating division: a cell 31 pixels wide starts at -1, not -2.
        x = (kSize - w) / 2;
        y = (kSize - h) / 2;
        p.setPen(Qt::black);
        p.drawText(QPoint(x, y + ascent), text);
    }
    {
        QPainter p(&tile);
        p.setCompositionMode(QPainter::RasterOp_NotSourceOrDestination);
        p.drawImage(0, 0, mask);
    }

    mask.fill(Qt::white);
    {
        QPainter p(&mask);
        p.setFont(drawFont);
        p.setPen(font.color);
        p.drawText(QPoint(x, y + ascent), text);
    }
    {
        QPainter p(&tile);
        p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        p.drawImage(0, 0, mask);
    }
    return tile;
}
