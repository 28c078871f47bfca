#include <QGuiApplication>
#include <QMessageBox>
#include <QProcess>

#include "TestWindow.h"
#include "Testing.h"
#include "app/Application.h"
#include "dialogs/TGuess.h"

namespace {

// The title the X server holds for a window: what a window manager, a task bar and a
// screen reader show, after whatever the platform layer added to it.
QString titleOnScreen(QWidget& widget) {
    QGuiApplication::sync();
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"),
                {QStringLiteral("-id"), QString::number(widget.winId()), QStringLiteral("-notype"),
                 QStringLiteral("_NET_WM_NAME")});
    if (!xprop.waitForFinished(10000)) {
        return QStringLiteral("<xprop did not answer>");
    }
    // _NET_WM_NAME = "Guess Attemps"
    const QString out = QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
    const qsizetype open = out.indexOf(QLatin1Char('"'));
    return open < 0 || !out.endsWith(QLatin1Char('"')) ? out
                                                       : out.mid(open + 1, out.size() - open - 2);
}

}  // namespace

// Runs on a real X server (Xvfb): offscreen, Qt keeps the title it was given and
// cannot show what it adds on a desktop.
class TestWindowTitles : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        if (QGuiApplication::platformName() != QStringLiteral("xcb")) {
            QSKIP("needs an X server (ctest runs this test under xvfb-run)");
        }
        setUpApplication();
    }

    void titlesStandAsTheyAre() {
        TestWindow w;
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.win.get()));
        QTRY_COMPARE(titleOnScreen(*w), QStringLiteral("Ropewit"));
        w->options().LoadGame(w.writeFile(QStringLiteral("animals.txt"), "Animals\rCAT\rDOG\r"));
        QTRY_COMPARE(titleOnScreen(*w), QStringLiteral("Ropewit: Animals"));

        Settings settings;
        TGuess guess(settings, w.prompts, w.win.get());
        guess.show();
        QVERIFY(QTest::qWaitForWindowExposed(&guess));
        QTRY_COMPARE(titleOnScreen(guess), QStringLiteral("Guess Attemps"));

        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Error"), QStringLiteral("text"),
                        QMessageBox::Ok, w.win.get());
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QTRY_COMPARE(titleOnScreen(box), QStringLiteral("Error"));
    }
};

ROPEWIT_TEST(TestWindowTitles)
#include "tst_windowtitles.moc"
