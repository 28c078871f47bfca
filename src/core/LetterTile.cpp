#include "core/LetterTile.h"

#include <QFontMetrics>
#include <QPainter>
#include <cmath>

#include "core/Pictures.h"

QFont tileDrawingFont(const QFont& font) {
    QFont f = font;
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

namespace {

// The background's top-left 28 x 28 logical pixels, drawn over white into a tile of `side`
// device pixels. A background smaller than that leaves white where it has no pixels.
void drawBackground(QImage& tile, const QImage& background, int side) {
    tile.fill(Qt::white);
    const qreal ratio = background.devicePixelRatio() > 0 ? background.devicePixelRatio() : 1.0;
    const int sourceSide = qRound(pictures::kTileSize * ratio);
    const QRect source = QRect(0, 0, sourceSide, sourceSide).intersected(background.rect());
    if (source.isEmpty()) {
        return;
    }
    QImage part = background.copy(source);
    part.setDevicePixelRatio(1.0);
    if (sourceSide != side) {
        const int w = qRound(qreal(source.width()) * side / sourceSide);
        const int h = qRound(qreal(source.height()) * side / sourceSide);
        // Whole multiples keep a picture's pixels as crisp squares; other ratios need blending.
        const bool whole = side % sourceSide == 0;
        part = part.scaled(w, h, Qt::IgnoreAspectRatio,
                           whole ? Qt::FastTransformation : Qt::SmoothTransformation);
    }
    QPainter p(&tile);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(QPoint(0, 0), part);
}

// Draws the character in black on the white mask at logical (x, y) + ascent, at the given
// ratio, and leaves every pixel either black or white: glyphs too large for the glyph cache
// are filled as outlines and may come out blended, which the bit operations would turn into
// stray colours. The mask itself stays at ratio 1 so that the raster operations see its
// pixels one to one.
void drawGlyph(QImage& mask, qreal ratio, const QFont& font, const QPoint& at,
               const QString& text) {
    mask.fill(Qt::white);
    mask.setDevicePixelRatio(ratio);
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setRenderHint(QPainter::TextAntialiasing, false);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(at, text);
    }
    mask.setDevicePixelRatio(1.0);
    const QRgb black = qRgb(0, 0, 0);
    const QRgb white = qRgb(255, 255, 255);
    for (int y = 0; y < mask.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(mask.scanLine(y));
        for (int x = 0; x < mask.width(); ++x) {
            line[x] = qGray(line[x]) < 128 ? black : white;
        }
    }
}

// The same glyph in the font's own colour: exactly the pixels that are black in `glyph`.
QImage colouredGlyph(const QImage& glyph, const QColor& color) {
    QImage mask = glyph;
    const QRgb ink = color.rgb();
    const QRgb black = qRgb(0, 0, 0);
    for (int y = 0; y < mask.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(mask.scanLine(y));
        for (int x = 0; x < mask.width(); ++x) {
            if (line[x] == black) {
                line[x] = ink;
            }
        }
    }
    return mask;
}

void combine(QImage& tile, const QImage& mask, QPainter::CompositionMode op) {
    QPainter p(&tile);
    p.setCompositionMode(op);
    p.drawImage(0, 0, mask);
}

}  // namespace

QImage MakeLetterTile(QChar c, const QImage& background, const TileFont& font,
                      qreal devicePixelRatio) {
    constexpr qreal kMinRatio = 0.5;
    constexpr int kSize = pictures::kTileSize;
    // Below 1: a tile drawn smaller than 28 x 28, as a fuller board shows them.
    const qreal ratio = std::isfinite(devicePixelRatio) && devicePixelRatio >= kMinRatio
                            ? std::min(devicePixelRatio, 8.0)
                            : 1.0;
    const int side = qRound(kSize * ratio);
    QImage tile(side, side, QImage::Format_RGB32);
    drawBackground(tile, background, side);

    const QFont drawFont = tileDrawingFont(font.font);
    QImage mask(side, side, QImage::Format_RGB32);
    const QString text(c);
    QPoint at;
    {
        // Metrics of a paint device at the same ratio, so measuring and drawing agree; they
        // are logical, so the letter sits where it sits at ratio 1.
        mask.setDevicePixelRatio(ratio);
        QPainter p(&mask);
        p.setFont(drawFont);
        const QFontMetrics metrics = p.fontMetrics();
        const int w = metrics.horizontalAdvance(text);
        const int h = metrics.height();
        // Truncating division: a cell 31 pixels wide starts at -1, not -2.
        at = QPoint((kSize - w) / 2, (kSize - h) / 2 + metrics.ascent());
    }

    drawGlyph(mask, ratio, drawFont, at, text);
    combine(tile, mask, QPainter::RasterOp_NotSourceOrDestination);
    combine(tile, colouredGlyph(mask, font.color), QPainter::RasterOp_SourceAndDestination);

    tile.setDevicePixelRatio(ratio);
    return tile;
}

QImage MakeLetterTile(QChar c, const QImage& background, const StoredFont& font,
                      qreal devicePixelRatio) {
    return MakeLetterTile(c, background, toTileFont(font), devicePixelRatio);
}
