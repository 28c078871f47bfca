#include "core/Pictures.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>

namespace pictures {

QImage raisedTile(const QColor& face) {
    QImage tile(kTileSize, kTileSize, QImage::Format_RGB32);
    const QRgb white = qRgb(255, 255, 255);
    const QRgb grey = qRgb(153, 153, 153);
    const QRgb faceRgb = face.rgb();
    const int last = kTileSize - 1;
    for (int y = 0; y < kTileSize; ++y) {
        auto* line = reinterpret_cast<QRgb*>(tile.scanLine(y));
        for (int x = 0; x < kTileSize; ++x) {
            // The light edges own the corner pixels above the diagonal x + y = 27.
            const bool lightEdge = (y < 2 && x + y <= last) || (x < 2 && x + y <= last);
            const bool darkEdge = y >= kTileSize - 2 || x >= kTileSize - 2 || y < 2 || x < 2;
            line[x] = lightEdge ? white : (darkEdge ? grey : faceRgb);
        }
    }
    return tile;
}

namespace {

QImage loadResource(const QString& name) {
    QImage image(QStringLiteral(":/images/") + name);
    if (image.isNull() || image.width() != kGallowsWidth || image.height() != kGallowsHeight) {
        // The program must still start without its pictures: a plain sky-coloured board.
        image = QImage(kGallowsWidth, kGallowsHeight, QImage::Format_RGB32);
        image.fill(QColor(230, 210, 160));
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

QImage emptyGallows() {
    return loadResource(QStringLiteral("nohang.png"));
}
QImage hangedFigure() {
    return loadResource(QStringLiteral("yeshang.png"));
}

QImage loadBitmap(const QString& path) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    // A tile needs only 28 x 28 pixels; refuse pictures that would take a lot of memory.
    const QSize size = reader.size();
    if (size.isValid() && static_cast<qint64>(size.width()) * size.height() > 64LL * 1024 * 1024) {
        return {};
    }
    QImage image = reader.read();
    if (image.isNull()) {
        return {};
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace pictures
