#include "Testing.h"

#include "core/TileFont.h"

namespace {

StoredFont stored(const QString& family, int points, int colorRef, bool bold = false,
                  bool italic = false, bool underline = false, bool strikeout = false) {
    StoredFont f;
    f.family = family;
    f.pointSize = points;
    f.colorRef = colorRef;
    f.bold = bold;
    f.italic = italic;
    f.underline = underline;
    f.strikeout = strikeout;
    return f;
}

}  // namespace

Q_DECLARE_METATYPE(StoredFont)

// The settings keep a tile font as plain values; the tiles and the font chooser use QFont and
// QColor. Whatever goes there and back must come back as the file keeps it.
class TestTileFont : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void colorRefMapping() {
        QCOMPARE(colorFromColorRef(255), QColor(255, 0, 0));
        QCOMPARE(colorFromColorRef(0xFF00), QColor(0, 255, 0));
        QCOMPARE(colorFromColorRef(0xFF0000), QColor(0, 0, 255));
        QCOMPARE(colorFromColorRef(0x123456), QColor(0x56, 0x34, 0x12));
        QCOMPARE(colorFromColorRef(0), QColor(Qt::black));
        // The top byte is no part of the colour.
        QCOMPARE(colorFromColorRef(static_cast<int>(0xFF0000FFu)), QColor(255, 0, 0));

        QCOMPARE(colorRefFromColor(QColor(Qt::red)), 255);
        QCOMPARE(colorRefFromColor(QColor(Qt::blue)), 0xFF0000);
        QCOMPARE(colorRefFromColor(QColor(0x56, 0x34, 0x12)), 0x123456);
        QCOMPARE(colorRefFromColor(QColor::fromHsv(0, 255, 255)), 255);
        QCOMPARE(colorRefFromColor(QColor()), 0);
    }

    void storedValuesSurviveTheWayThroughQt_data() {
        QTest::addColumn<StoredFont>("font");
        QTest::newRow("default") << StoredFont();
        QTest::newRow("bold underline red")
            << stored("Times New Roman", 20, 0xFF, true, false, true);
        QTest::newRow("italic strikeout blue")
            << stored("Courier New", 9, 0xFF0000, false, true, false, true);
        QTest::newRow("every style")
            << stored("Liberation Serif", 24, 0x123456, true, true, true, true);
        QTest::newRow("largest size") << stored("Arial", StoredFont::kMaxPointSize, 0xFFFFFF);
        QTest::newRow("unknown family") << stored("No Such Font 1997", 1, 0x010203);
    }

    void storedValuesSurviveTheWayThroughQt() {
        QFETCH(StoredFont, font);
        const TileFont drawn = toTileFont(font);
        QCOMPARE(drawn.font.family(), font.family);
        QCOMPARE(drawn.font.pointSize(), font.pointSize);
        QCOMPARE(drawn.font.bold(), font.bold);
        QCOMPARE(drawn.font.italic(), font.italic);
        QCOMPARE(drawn.font.underline(), font.underline);
        QCOMPARE(drawn.font.strikeOut(), font.strikeout);
        QCOMPARE(drawn.color, colorFromColorRef(font.colorRef));
        QVERIFY(toStoredFont(drawn) == font);
    }

    void chosenFontsAreKeptAsTheFileCan() {
        // Sizes the file cannot hold are drawn at the default, not at Qt's own default.
        for (int points : {0, -3, StoredFont::kMaxPointSize + 1}) {
            QCOMPARE(toTileFont(stored("Arial", points, 0)).font.pointSize(), 14);
        }

        // A font in pixels has no point size: the default.
        QFont pixels(QStringLiteral("Arial"));
        pixels.setPixelSize(30);
        QCOMPARE(toStoredFont(TileFont{pixels, Qt::black}).pointSize, 14);

        // Whole points; a weight above normal is bold, as the file has nothing in between.
        QFont chosen(QStringLiteral("Arial"));
        chosen.setPointSizeF(12.6);
        chosen.setWeight(QFont::DemiBold);
        const StoredFont kept = toStoredFont(TileFont{chosen, QColor(10, 20, 30, 40)});
        QCOMPARE(kept.pointSize, 13);
        QVERIFY(kept.bold);
        // The colour without its transparency; no colour is black.
        QCOMPARE(kept.colorRef, 0x1E140A);
        QCOMPARE(toStoredFont(TileFont{chosen, QColor()}).colorRef, 0);
    }
};

ROPEWIT_TEST(TestTileFont)
#include "tst_tilefont.moc"
