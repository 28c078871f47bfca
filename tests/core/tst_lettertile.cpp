#include <QSet>

#include "Testing.h"
#include "core/LetterTile.h"
#include "core/Pictures.h"

namespace {

TileFont boldArial(int points, const QColor& color) {
    TileFont f;
    f.font = QFont(QStringLiteral("Arial"), points, QFont::Bold);
    f.color = color;
    return f;
}

// Pixels of `image` that are neither the (scaled) background nor the font colour.
int strayPixels(const QImage& tile, const QImage& background, QRgb ink) {
    int stray = 0;
    for (int y = 0; y < tile.height(); ++y) {
        for (int x = 0; x < tile.width(); ++x) {
            const QRgb p = tile.pixel(x, y);
            if (p != ink && p != background.pixel(x, y)) {
                ++stray;
            }
        }
    }
    return stray;
}

QRect inkBox(const QImage& tile, QRgb ink) {
    QRect box;
    for (int y = 0; y < tile.height(); ++y) {
        for (int x = 0; x < tile.width(); ++x) {
            if (tile.pixel(x, y) == ink) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

// 2 x 2 blocks of a ratio-2 tile whose four pixels are not all alike: detail finer than a
// logical pixel, which an enlarged ratio-1 tile cannot have.
int mixedBlocks(const QImage& tile) {
    int mixed = 0;
    for (int y = 0; y + 1 < tile.height(); y += 2) {
        for (int x = 0; x + 1 < tile.width(); x += 2) {
            const QRgb p = tile.pixel(x, y);
            if (tile.pixel(x + 1, y) != p || tile.pixel(x, y + 1) != p ||
                tile.pixel(x + 1, y + 1) != p) {
                ++mixed;
            }
        }
    }
    return mixed;
}

double meanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

}  // namespace

class TestLetterTile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void ratioOneIsTheClassicTile() {
        const QImage bg = pictures::builtinAlphabetTile();
        const TileFont font = boldArial(14, QColor(200, 30, 60));
        const QImage tile = MakeLetterTile(QLatin1Char('W'), bg, font);
        QCOMPARE(tile.size(), QSize(28, 28));
        QCOMPARE(tile.devicePixelRatio(), 1.0);
        QCOMPARE(tile, MakeLetterTile(QLatin1Char('W'), bg, font, 1.0));
        // Nonsense ratios fall back to 1 rather than making huge or empty tiles.
        QCOMPARE(MakeLetterTile(QLatin1Char('W'), bg, font, 0.0).size(), QSize(28, 28));
        QCOMPARE(MakeLetterTile(QLatin1Char('W'), bg, font, qQNaN()).size(), QSize(28, 28));
        QCOMPARE(MakeLetterTile(QLatin1Char('W'), bg, font, -2.0).size(), QSize(28, 28));
    }

    void highRatioTileKeepsItsLogicalSize_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<int>("side");
        QTest::newRow("1.5") << 1.5 << 42;
        QTest::newRow("2") << 2.0 << 56;
        QTest::newRow("3") << 3.0 << 84;
    }
    void highRatioTileKeepsItsLogicalSize() {
        QFETCH(qreal, ratio);
        QFETCH(int, side);
        const QImage tile = MakeLetterTile(QLatin1Char('M'), pictures::builtinWordTile(),
                                           boldArial(14, Qt::black), ratio);
        QCOMPARE(tile.size(), QSize(side, side));
        QCOMPARE(tile.devicePixelRatio(), ratio);
        QCOMPARE(tile.deviceIndependentSize(), QSizeF(28, 28));
    }

    // At ratio 2 the letter is drawn at the screen's resolution: its edges step by device
    // pixels, not by doubled logical pixels, yet it sits where the ratio-1 letter sits.
    void ratioTwoIsNotAPixelDoubledCopy() {
        const QImage bg = pictures::builtinAlphabetTile();
        const QColor red(200, 30, 60);
        for (const QChar c : {QLatin1Char('A'), QLatin1Char('S'), QLatin1Char('Z')}) {
            const QImage one = MakeLetterTile(c, bg, boldArial(14, red), 1.0);
            const QImage two = MakeLetterTile(c, bg, boldArial(14, red), 2.0);
            QImage doubled = one.scaled(56, 56, Qt::IgnoreAspectRatio, Qt::FastTransformation);
            doubled.setDevicePixelRatio(2.0);
            QVERIFY2(two != doubled, qPrintable(QStringLiteral("letter %1").arg(c)));
            QVERIFY2(
                mixedBlocks(two) > 20,
                qPrintable(QStringLiteral("letter %1: %2 blocks").arg(c).arg(mixedBlocks(two))));

            const QRect small = inkBox(one, red.rgb());
            const QRect big = inkBox(two, red.rgb());
            QVERIFY(!small.isEmpty());
            QVERIFY(qAbs(big.center().x() / 2.0 - small.center().x()) <= 1.5);
            QVERIFY(qAbs(big.center().y() / 2.0 - small.center().y()) <= 1.5);
            QVERIFY(qAbs(big.width() / 2.0 - small.width()) <= 2);
            QVERIFY(qAbs(big.height() / 2.0 - small.height()) <= 2);
            // Averaged back down it looks like the ratio-1 tile.
            const QImage down = two.scaled(28, 28, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            QVERIFY(meanDifference(down.convertToFormat(QImage::Format_RGB32), one) < 20.0);
        }
    }

    // The masks are combined bit by bit at every ratio: each pixel is the background's or
    // exactly the font colour, never a blend.
    void bitOperationsStayExact_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("1") << 1.0;
        QTest::newRow("1.5") << 1.5;
        QTest::newRow("2") << 2.0;
        QTest::newRow("3") << 3.0;
    }
    void bitOperationsStayExact() {
        QFETCH(qreal, ratio);
        const QColor ink(200, 30, 60);
        // A background with many colours, so a blend would show.
        QImage bg(28, 28, QImage::Format_RGB32);
        for (int y = 0; y < 28; ++y) {
            for (int x = 0; x < 28; ++x) {
                bg.setPixel(x, y, qRgb(x * 9, y * 9, (x * y) % 256));
            }
        }
        const QImage tile = MakeLetterTile(QLatin1Char('G'), bg, boldArial(18, ink), ratio);
        const int side = tile.width();
        const QImage scaledBg =
            bg.scaled(side, side, Qt::IgnoreAspectRatio,
                      side % 28 == 0 ? Qt::FastTransformation : Qt::SmoothTransformation)
                .convertToFormat(QImage::Format_RGB32);
        QCOMPARE(strayPixels(tile, scaledBg, ink.rgb()), 0);
        QVERIFY(!inkBox(tile, ink.rgb()).isEmpty());
    }

    // Only the top-left 28 x 28 logical pixels of a background count, at any ratio; what a
    // small picture does not cover stays white.
    void backgroundIsCutNotScaledToFit() {
        QImage big(64, 64, QImage::Format_RGB32);
        big.fill(qRgb(10, 120, 10));
        for (int y = 28; y < 64; ++y) {
            for (int x = 0; x < 64; ++x) {
                big.setPixel(x, y, qRgb(250, 250, 0));
                big.setPixel(y, x, qRgb(250, 250, 0));
            }
        }
        const QImage tile = MakeLetterTile(QLatin1Char(' '), big, boldArial(12, Qt::black), 2.0);
        QCOMPARE(tile.pixel(0, 0), qRgb(10, 120, 10));
        QCOMPARE(tile.pixel(55, 55), qRgb(10, 120, 10));

        QImage small(10, 10, QImage::Format_RGB32);
        small.fill(qRgb(0, 0, 200));
        const QImage part = MakeLetterTile(QLatin1Char(' '), small, boldArial(12, Qt::black), 2.0);
        QCOMPARE(part.pixel(19, 19), qRgb(0, 0, 200));
        QCOMPARE(part.pixel(20, 20), qRgb(255, 255, 255));
        QCOMPARE(part.pixel(55, 0), qRgb(255, 255, 255));

        // A background already drawn at the ratio is used pixel for pixel.
        QImage sharp(56, 56, QImage::Format_RGB32);
        for (int y = 0; y < 56; ++y) {
            for (int x = 0; x < 56; ++x) {
                sharp.setPixel(x, y, (x + y) % 2 ? qRgb(255, 0, 0) : qRgb(0, 0, 255));
            }
        }
        sharp.setDevicePixelRatio(2.0);
        const QImage fine = MakeLetterTile(QLatin1Char(' '), sharp, boldArial(12, Qt::black), 2.0);
        QCOMPARE(fine.pixel(0, 0), qRgb(0, 0, 255));
        QCOMPARE(fine.pixel(1, 0), qRgb(255, 0, 0));
    }

    void gallowsPicturesMatchTheScreen_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<int>("scale");
        QTest::newRow("1") << 1.0 << 1;
        QTest::newRow("1.25") << 1.25 << 2;
        QTest::newRow("2") << 2.0 << 2;
        QTest::newRow("2.5") << 2.5 << 3;
        QTest::newRow("3") << 3.0 << 3;
        QTest::newRow("4") << 4.0 << 3;
    }
    void gallowsPicturesMatchTheScreen() {
        QFETCH(qreal, ratio);
        QFETCH(int, scale);
        QCOMPARE(pictures::artScale(ratio), scale);
        for (const QImage& picture :
             {pictures::emptyGallows(ratio), pictures::hangedFigure(ratio)}) {
            QCOMPARE(picture.size(), QSize(177 * scale, 241 * scale));
            QCOMPARE(picture.devicePixelRatio(), qreal(scale));
            QCOMPARE(picture.deviceIndependentSize(), QSizeF(177, 241));
            QCOMPARE(picture.format(), QImage::Format_RGB32);
        }
    }

    // The larger pictures are the same scene drawn finer, not an enlarged 1x picture.
    void largerGallowsAreTheSameSceneDrawnFiner() {
        const QImage one = pictures::hangedFigure(1.0);
        for (const qreal ratio : {2.0, 3.0}) {
            const QImage fine = pictures::hangedFigure(ratio);
            QImage enlarged =
                one.scaled(fine.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
            QVERIFY(fine != enlarged);
            const QImage down =
                fine.scaled(one.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                    .convertToFormat(QImage::Format_RGB32);
            QVERIFY2(meanDifference(down, one) < 6.0,
                     qPrintable(QString::number(meanDifference(down, one))));
        }
    }

    // The figure is uncovered in bands given in logical pixels; at 2x the band covers the
    // same part of the scene and nothing outside it.
    void bandsAreCopiedInDevicePixels() {
        QImage target = pictures::emptyGallows(2.0);
        const QImage source = pictures::hangedFigure(2.0);
        const QImage before = target;
        const QRect band(78, 69, 58, 38);
        pictures::copyBand(target, source, band);
        QCOMPARE(target.devicePixelRatio(), 2.0);
        QCOMPARE(target.copy(156, 138, 116, 76), source.copy(156, 138, 116, 76));
        QCOMPARE(target.copy(0, 0, 354, 138), before.copy(0, 0, 354, 138));
        QCOMPARE(target.copy(0, 214, 354, 268), before.copy(0, 214, 354, 268));
        QCOMPARE(target.copy(0, 138, 156, 76), before.copy(0, 138, 156, 76));
        QCOMPARE(target.copy(272, 138, 82, 76), before.copy(272, 138, 82, 76));

        // Pictures of different ratios, or a band outside the picture, change nothing.
        QImage mixed = pictures::emptyGallows(1.0);
        const QImage untouched = mixed;
        pictures::copyBand(mixed, source, band);
        QCOMPARE(mixed, untouched);
        pictures::copyBand(mixed, pictures::hangedFigure(1.0), QRect(170, 230, 50, 50));
        QCOMPARE(mixed.copy(0, 0, 170, 230), untouched.copy(0, 0, 170, 230));
    }

    void iconHasEverySize() {
        const QIcon icon = pictures::programIcon();
        QVERIFY(!icon.isNull());
        const QList<QSize> sizes = icon.availableSizes();
        for (const int size : pictures::kIconSizes) {
            QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
            const QImage image = icon.pixmap(QSize(size, size)).toImage();
            QCOMPARE(image.size(), QSize(size, size));
            // Opaque in the middle, see-through in the rounded corner.
            QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
            QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        }
    }
};

ROPEWIT_TEST(TestLetterTile)
#include "tst_lettertile.moc"
