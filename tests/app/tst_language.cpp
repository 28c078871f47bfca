#include "TestFiles.h"
#include "TestWindow.h"
#include "Testing.h"
#include "Translated.h"

#include <QMenuBar>

namespace {

// The settings file after a window flipped a switch and saved it.
QByteArray savedAfterAClick() {
    TestWindow t("[Options]\r\nUser Name=Bea\r\n");
    t->options().MenuHintsClick();
    return readAll(QDir(t.dir.path()).filePath(QStringLiteral("ROPEWIT.INI")));
}

}  // namespace

class TestLanguage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theGermanFileTranslatesTheMenus() {
        const Translated german("de");
        QVERIFY(german.loaded);
        TestWindow t;
        QCOMPARE(t->menuBar()->actions().first()->text(), QStringLiteral("&Datei"));
    }

    void aSaveWritesTheSameBytesInGerman() {
        const QByteArray english = savedAfterAClick();
        const Translated german("de");
        QVERIFY(german.loaded);
        QCOMPARE(savedAfterAClick(), english);
    }

    void aMissingFileLeavesEnglishAndSaysSo() {
        QTemporaryDir empty;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no usable translation .*_de.qm"));
        QVERIFY(!language::install(empty.path(), QStringLiteral("de")));
        QCOMPARE(QCoreApplication::translate("TMainWin", "&File"), QStringLiteral("&File"));
    }

    void theChoiceFollowsOptionThenSettingThenSystem_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("system");
        QTest::addColumn<QString>("expected");
        QTest::newRow("option") << "C"
                                << "fr"
                                << "de_DE"
                                << "C";
        QTest::newRow("setting") << ""
                                 << "fr"
                                 << "de_DE"
                                 << "fr";
        QTest::newRow("system") << ""
                                << ""
                                << "es_MX"
                                << "es";
        QTest::newRow("untranslated system") << ""
                                             << ""
                                             << "it_IT"
                                             << "en";
    }
    void theChoiceFollowsOptionThenSettingThenSystem() {
        QFETCH(QString, option);
        QFETCH(QString, chosen);
        QFETCH(QString, system);
        QFETCH(QString, expected);
        QCOMPARE(language::choose(option, chosen, QLocale(system)), expected);
    }
};

ROPEWIT_TEST(TestLanguage)
#include "tst_language.moc"
