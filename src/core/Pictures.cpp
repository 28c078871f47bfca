#include "core/Pictures.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <algorithm>

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

QImage loadAtScale(const QString& name, int scale) {
    const QString suffix =
        scale == 1 ? QStringLiteral(".png") : QStringLiteral("@%1x.png").arg(scale);
    QImage image(QStringLiteral(":/images/") + name + suffix);
    if (image.isNull() || image.width() != kGallowsWidth * scale ||
        image.height() != kGallowsHeight * scale) {
        return {};
    }
    image = image.convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    return image;
}

QImage loadResource(const QString& name, qreal devicePixelRatio) {
    QImage image = loadAtScale(name, artScale(devicePixelRatio));
    if (image.isNull()) {
        image = loadAtScale(name, 1);
    }
    if (image.isNull()) {
        // The program must still start without its pictures: a plain sky-coloured board.
        image = QImage(kGallowsWidth, kGallowsHeight, QImage::Format_RGB32);
        image.fill(QColor(230, 210, 160));
    }
    return image;
}

}  // namespace

int artScale(qreal devicePixelRatio) {
    if (!(devicePixelRatio > 1.0)) {
        return 1;
    }
    return devicePixelRatio > 2.0 ? 3 : 2;
}

QImage emptyGallows(qreal devicePixelRatio) {
    return loadResource(QStringLiteral("nohang"), devicePixelRatio);
}
QImage hangedFigure(qreal devicePixelRatio) {
    return loadResource(QStringLiteral("yeshang"), devicePixelRatio);
}

void copyBand(QImage& target, const QImage& source, const QRect& logical) {
    const qreal ratio = target.devicePixelRatio();
    if (source.devicePixelRatio() != ratio || source.format() != target.format() ||
        source.depth() != 32) {
        return;
    }
    const QRect device = QRect(qRound(logical.x() * ratio), qRound(logical.y() * ratio),
                               qRound(logical.width() * ratio), qRound(logical.height() * ratio))
                             .intersected(target.rect())
                             .intersected(source.rect());
    for (int y = device.top(); y <= device.bottom(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(y)) + device.x();
        auto* to = reinterpret_cast<QRgb*>(target.scanLine(y)) + device.x();
        std::copy(from, from + device.width(), to);
    }
}

QIcon programIcon() {
    QIcon icon;
    for (const int size : kIconSizes) {
        icon.addFile(QStringLiteral(":/images/icon-%1.png").arg(size), QSize(size, size));
    }
    return icon;
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
