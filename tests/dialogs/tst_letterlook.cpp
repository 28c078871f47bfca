#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

#include "DialogAnswers.h"
#include "TestWindow.h"
#include "Testing.h"
#include "app/OptionsMenu.h"
#include "core/LetterTile.h"
#include "core/Pictures.h"
#include "dialogs/TLetterLook2.h"
#include "settings/IniFile.h"
#include "widgets/ClickLabel.h"

namespace {

const QRgb kCyan = qRgb(0, 255, 255);
const QRgb kMagenta = qRgb(255, 0, 255);

QImage shown(const QLabel* label) {
    return label->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
}

int countColor(const QImage& image, QRgb color) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            n += image.pixel(x, y) == color ? 1 : 0;
        }
    }
    return n;
}

// The value of a key in a section of a settings file, as the program reads it.
QString iniValue(const QString& path, const QString& section, const QString& key) {
    IniFile ini;
    return ini.load(path) ? ini.readString(section, key, QStringLiteral("<no key>"), 4096)
                          : QStringLiteral("<no file>");
}

// A picture whose every pixel differs, so that scaling or an offset shows.
QImage gradient(int size) {
    QImage image(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            image.setPixel(x, y, qRgb(x * 4, y * 4, 77));
        }
    }
    return image;
}

QString savePicture(TestWindow& w, const QString& name, const QImage& image) {
    const QString path = w.dir.filePath(name);
    if (!image.save(path, "BMP")) {
        qFatal("cannot write the picture");
    }
    return path;
}

TileFont font(int points, const QColor& color, bool bold = false, bool italic = false) {
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(points);
    f.setBold(bold);
    f.setItalic(italic);
    return TileFont{f, color};
}

}  // namespace

class TestLetterLook : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void formAndBuiltinPreviews() {
        TestWindow w;
        TLetterLook2 d(w->settings(), w.prompts, w->options().letterLookHooks(), &*w);
        QCOMPARE(d.windowTitle(), QStringLiteral("Fonts"));
        QCOMPARE(d.size(), QSize(308, 176));
        QCOMPARE(d.Label3->text(),
                 QStringLiteral("NOTICE: Most images will only appear correctly if you are using "
                                "more than 256 colors."));
        QVERIFY(d.Label3->wordWrap());
        QVERIFY(d.Label3->font().bold());
        QCOMPARE(d.Label3->font().pixelSize(), 12);
        QCOMPARE(d.Label1->text(), QStringLiteral("Alphabet"));
        QCOMPARE(d.Label2->text(), QStringLiteral("Word"));
        QCOMPARE(d.AlphaImage->text(), QStringLiteral("&Image"));
        QCOMPARE(d.AlphaFont->text(), QStringLiteral("&Font"));
        QCOMPARE(d.WordImage->text(), QStringLiteral("I&mage"));
        QCOMPARE(d.WordFont->text(), QStringLiteral("F&ont"));
        QCOMPARE(d.Exit->text(), QStringLiteral("E&xit"));
        const QList<QLabel*> tiles = {d.AlphaA, d.AlphaM, d.AlphaZ, d.WordA, d.WordM, d.WordZ};
        const int xs[] = {28, 68, 108, 180, 220, 260};
        for (int i = 0; i < tiles.size(); ++i) {
            QCOMPARE(tiles[i]->geometry(), QRect(xs[i], 80, 28, 28));
        }

        // A, M and Z in black on the raised cyan and magenta squares.
        QVERIFY(w.prompts.shown.empty());
        const QImage a = shown(d.AlphaA);
        QCOMPARE(a.pixel(5, 5), kCyan);
        QCOMPARE(a.pixel(0, 0), qRgb(255, 255, 255));
        QVERIFY(countColor(a, qRgb(0, 0, 0)) > 20);
        QCOMPARE(shown(d.WordZ).pixel(5, 5), kMagenta);
        QCOMPARE(a, MakeLetterTile(QLatin1Char('A'), pictures::builtinAlphabetTile(),
                                   w->settings().AlphabetFont));
        QVERIFY(shown(d.AlphaM) != a);
        // While the contrast look draws the tiles, the dialog says why its choices do not show.
        w->settings().HighContrast = true;
        const TLetterLook2 contrast(w->settings(), w.prompts, w->options().letterLookHooks(), &*w);
        QVERIFY(contrast.Label3->text().startsWith(QStringLiteral("High Contrast Look is on")));
    }

    void fontChoicesReachBoardAndFile() {
        TestWindow w;
        w.prompts.fontAnswers.push_back(font(20, Qt::red, true));
        // Above the limit: brought back to 24 points.
        w.prompts.fontAnswers.push_back(font(30, Qt::blue, false, true));
        int alphaRed = 0, wordRed = 0, wordBlue = 0;
        w.prompts.dialogScript.push_back([&](QDialog& dialog) {
            auto& d = static_cast<TLetterLook2&>(dialog);
            d.AlphaFont->click();
            alphaRed = countColor(shown(d.AlphaA), qRgb(255, 0, 0));
            wordRed = countColor(shown(d.WordA), qRgb(255, 0, 0));
            d.WordFont->click();
            wordBlue = countColor(shown(d.WordA), qRgb(0, 0, 255));
            d.Exit->click();
            return dialog.result();
        });
        w->ui().MenuFonts->trigger();

        QCOMPARE(w.prompts.count(QStringLiteral("dialog")), 1);
        QCOMPARE(w.prompts.count(QStringLiteral("font")), 2);
        QCOMPARE(w.prompts.shown[1].text, QStringLiteral("24"));  // the size limit asked for
        QVERIFY(alphaRed > 20);
        QCOMPARE(wordRed, 0);  // the looks do not affect each other
        QVERIFY(wordBlue > 20);

        const Settings& s = w->settings();
        QVERIFY(s.AlphabetFont.bold);
        QCOMPARE(toTileFont(s.AlphabetFont).color, QColor(Qt::red));
        QCOMPARE(s.WordFont.pointSize, 24);
        QVERIFY(s.WordFont.italic);

        // The board was drawn again with the new looks.
        QVERIFY(countColor(w->ui().AlphabetTiles[1]->pixmap().toImage().convertToFormat(
                               QImage::Format_RGB32),
                           qRgb(255, 0, 0)) > 20);

        // Saved on leaving, the styles written from the fonts themselves.
        const QString ini = s.IniPath;
        QCOMPARE(iniValue(ini, "Alphabet Font", "Bold"), QStringLiteral("Yes"));
        QCOMPARE(iniValue(ini, "Alphabet Font", "Italic"), QStringLiteral("No"));
        QCOMPARE(iniValue(ini, "Alphabet Font", "Color"), QStringLiteral("255"));
        QCOMPARE(iniValue(ini, "Alphabet Font", "Size"), QStringLiteral("20"));
        QCOMPARE(iniValue(ini, "Word Font", "Bold"), QStringLiteral("No"));
        QCOMPARE(iniValue(ini, "Word Font", "Italic"), QStringLiteral("Yes"));
        QCOMPARE(iniValue(ini, "Word Font", "Size"), QStringLiteral("24"));
        QCOMPARE(iniValue(ini, "Word Font", "Color"), QString::number(0xFF0000));
    }

    void cancelledChoicesChangeNothing() {
        TestWindow w;
        TLetterLook2 d(w->settings(), w.prompts, w->options().letterLookHooks(), &*w);
        const QImage before = shown(d.AlphaA);
        const StoredFont fontBefore = w->settings().AlphabetFont;
        d.AlphaFont->click();
        d.AlphaImage->click();
        QCOMPARE(w.prompts.count(QStringLiteral("font")), 1);
        QCOMPARE(w.prompts.count(QStringLiteral("open")), 1);
        QCOMPARE(shown(d.AlphaA), before);
        QVERIFY(w->settings().AlphabetFont == fontBefore);
        QVERIFY(w->settings().AlphabetBitmap.isEmpty());
        QCOMPARE(w->pictures().SavedAlpha, pictures::builtinAlphabetTile());
    }

    void pictureShowsItsTopLeftCorner() {
        TestWindow w;
        const QImage picture = gradient(64);
        const QString path = savePicture(w, QStringLiteral("big.bmp"), picture);
        w.prompts.fileAnswers.push_back(path);
        TLetterLook2 d(w->settings(), w.prompts, w->options().letterLookHooks(), &*w);
        d.WordImage->click();

        const FileChooserRequest& spec = w.prompts.fileSpecs.back();
        QCOMPARE(spec.title, QStringLiteral("Background Bitmaps"));
        QCOMPARE(spec.filter, QStringLiteral("Bitmaps (*.bmp *.BMP)"));
        QCOMPARE(spec.defaultSuffix, QStringLiteral("bmp"));
        QVERIFY(spec.mustExist);
        QVERIFY(spec.picturePreview);

        // Unscaled: the corners of the tile are the picture's pixels at the same places.
        const QImage tile = shown(d.WordA);
        const QImage board = w->board().WordTile(QLatin1Char('A'));
        for (const QPoint p : {QPoint(0, 0), QPoint(27, 0), QPoint(0, 27), QPoint(27, 27)}) {
            QCOMPARE(tile.pixel(p), picture.pixel(p));
            QCOMPARE(board.pixel(p), picture.pixel(p));
        }
        QCOMPARE(w->settings().WordBitmap, path);
        // The alphabet look is untouched.
        QCOMPARE(shown(d.AlphaA).pixel(5, 5), kCyan);
        QVERIFY(w->settings().AlphabetBitmap.isEmpty());

        d.Exit->click();
        QCOMPARE(iniValue(w->settings().IniPath, "Word Font", "Bitmap"), path);
        QCOMPARE(iniValue(w->settings().IniPath, "Alphabet Font", "Bitmap"), QString());
    }

    void storedPictures() {
        TestWindow w;
        // A stored picture that has been deleted: the built-in background, without a word.
        const QString gone = savePicture(w, QStringLiteral("gone.bmp"), gradient(28));
        QVERIFY(QFile::remove(gone));
        w->settings().AlphabetBitmap = gone;
        // A stored picture that is there: the preview starts from it.
        const QString there = savePicture(w, QStringLiteral("there.bmp"), gradient(40));
        w->settings().WordBitmap = there;
        {
            TLetterLook2 d(w->settings(), w.prompts, w->options().letterLookHooks(), &*w);
            QVERIFY(w.prompts.shown.empty());
            QCOMPARE(shown(d.AlphaA).pixel(5, 5), kCyan);
            QCOMPARE(shown(d.WordA).pixel(27, 27), gradient(40).pixel(27, 27));
            d.Exit->click();
        }
        QCOMPARE(w->settings().AlphabetBitmap, gone);  // kept until another picture is chosen

        // A stored file that is not a picture: reported once, the built-in background shown.
        QFile bad(w.dir.filePath(QStringLiteral("bad.bmp")));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("BM this is not a bitmap");
        bad.close();
        w->settings().WordBitmap = bad.fileName();
        TLetterLook2 d(w->settings(), w.prompts, w->options().letterLookHooks(), &*w);
        QCOMPARE(w.prompts.withCaption(QStringLiteral("Error")),
                 QStringList{QStringLiteral("Bitmap image is not valid")});
        QCOMPARE(shown(d.WordA).pixel(5, 5), kMagenta);
    }

    void unreadablePictureChangesNothing() {
        TestWindow w;
        const QString good = savePicture(w, QStringLiteral("good.bmp"), gradient(28));
        const QString bad = w.writeFile(QStringLiteral("bad.bmp"), "not a picture at all");
        w.prompts.fileAnswers.push_back(good);
        w.prompts.fileAnswers.push_back(bad);
        TLetterLook2 d(w->settings(), w.prompts, w->options().letterLookHooks(), &*w);
        d.AlphaImage->click();
        const QImage preview = shown(d.AlphaA);
        const QImage board = w->pictures().SavedAlpha;
        d.AlphaImage->click();
        QCOMPARE(w.prompts.withCaption(QStringLiteral("Error")),
                 QStringList{QStringLiteral("Bitmap image is not valid")});
        QCOMPARE(shown(d.AlphaA), preview);
        QCOMPARE(w->pictures().SavedAlpha, board);
        QCOMPARE(w->settings().AlphabetBitmap, good);
    }

    void everyWayOfClosingSaves_data() {
        addClosingWays("exit");
        QTest::newRow("close box, not shown") << "close hidden";
    }

    void everyWayOfClosingSaves() {
        QFETCH(QString, way);
        TestWindow w;
        QFile::remove(w->settings().IniPath);
        w->settings().UseHints = true;
        TLetterLook2 d(w->settings(), w.prompts, w->options().letterLookHooks(), &*w);
        if (way != QLatin1String("close hidden")) {
            d.show();
            QVERIFY(QTest::qWaitForWindowExposed(&d));
        }
        closeBy(d, way, d.Exit);
        QVERIFY(!d.isVisible());
        QCOMPARE(iniValue(w->settings().IniPath, "Options", "Use Hints"), QStringLiteral("Yes"));
    }
};

ROPEWIT_TEST(TestLetterLook)
#include "tst_letterlook.moc"
