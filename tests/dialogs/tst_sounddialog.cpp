#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>

#include "DialogAnswers.h"
#include "ListItems.h"
#include "SavedSettings.h"
#include "TestFiles.h"
#include "TestWindow.h"
#include "Testing.h"
#include "dialogs/TDoSounds.h"

namespace {

QString wave(int n) {
    return QStringLiteral("/sounds/S%1.WAV").arg(n);
}

// A window whose correct-letter list is full.
void fillCorrectList(TMainWin& win) {
    for (int i = 0; i < Settings::kSoundSlots; ++i) {
        win.settings().CorrectLetterSounds[static_cast<std::size_t>(i)] = wave(i + 1);
    }
    win.settings().CorrectLetterCount = Settings::kSoundSlots;
}

}  // namespace

class TestSoundDialog : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void formShowsTheSettings() {
        TestWindow w;
        Settings& s = w->settings();
        s.UseSound = false;
        s.CorrectWordSound = QStringLiteral("/a/win.wav");
        s.MissedWordSound.clear();
        // Slots beyond the count are not shown.
        s.MissedLetterSounds[3] = QStringLiteral("/not/counted.wav");
        s.MissedLetterCount = 3;
        TDoSounds d(w->settings(), w.prompts, w->screenSize(), &*w);
        QCOMPARE(d.windowTitle(), QStringLiteral("Sounds"));
        QCOMPARE(d.size(), QSize(374, 420));
        QCOMPARE(d.UseSounds->text(), QStringLiteral("&Use Sound Effects"));
        QCOMPARE(d.Label1->text(), QStringLiteral("Sounds When A Correct Letter Is Guessed"));
        QCOMPARE(d.Label2->text(), QStringLiteral("Word Complete Sound"));
        QCOMPARE(d.Label3->text(), QStringLiteral("Sounds When An Incorrect Letter Is Guessed"));
        QCOMPARE(d.Label4->text(), QStringLiteral("Word Missed Sound"));
        const QList<QPair<QPushButton*, QString>> captions = {
            {d.AddComp, "&Add"},       {d.DeleteComp, "D&elete"}, {d.AddMiss, "A&dd"},
            {d.DeleteMiss, "Dele&te"}, {d.BrowseComp, "&Browse"}, {d.BrowseMiss, "B&rowse"},
            {d.SaveButton, "&Save"},   {d.Button1, "&Cancel"}};
        checkCaptions(d, captions);

        QVERIFY(!d.UseSounds->isChecked());
        QCOMPARE(d.WordComplete->text(), QStringLiteral("/a/win.wav"));
        QCOMPARE(d.WordMissed->text(), QString());
        QCOMPARE(items(d.CompBox), (QStringList{s.CorrectLetterSounds[0], s.CorrectLetterSounds[1],
                                                s.CorrectLetterSounds[2]}));
        QCOMPARE(d.MissBox->count(), 3);
        QVERIFY(d.AddComp->isEnabled());
        QVERIFY(d.AddMiss->isEnabled());
    }

    void addIsDisabledAtTwentyFive() {
        TestWindow w;
        fillCorrectList(*w);
        TDoSounds d(w->settings(), w.prompts, w->screenSize(), &*w);
        QCOMPARE(d.CompBox->count(), 25);
        QVERIFY(!d.AddComp->isEnabled());
        QVERIFY(d.AddMiss->isEnabled());
        d.AddComp->click();  // a disabled button does nothing
        QCOMPARE(w.prompts.count(QStringLiteral("open")), 0);

        d.CompBox->setCurrentRow(24);
        d.DeleteComp->click();
        QCOMPARE(d.CompBox->count(), 24);
        QVERIFY(d.AddComp->isEnabled());

        // Duplicates are allowed; the 25th entry disables Add again.
        w.prompts.fileAnswers.push_back(wave(1));
        d.AddComp->click();
        QCOMPARE(d.CompBox->count(), 25);
        QCOMPARE(d.CompBox->item(24)->text(), wave(1));
        QVERIFY(!d.AddComp->isEnabled());

        const FileChooserRequest& spec = w.prompts.fileSpecs.back();
        QCOMPARE(spec.title, QStringLiteral("Open Wave File"));
        QCOMPARE(spec.filter, QStringLiteral("WAVE Files (*.WAV *.wav)"));
        QCOMPARE(spec.defaultSuffix, QStringLiteral("WAV"));
        QVERIFY(!spec.mustExist);

        // A cancelled chooser adds nothing.
        d.AddMiss->click();
        QCOMPARE(d.MissBox->count(), w->settings().MissedLetterCount);
    }

    void deleteNeedsASelection() {
        TestWindow w;
        TDoSounds d(w->settings(), w.prompts, w->screenSize(), &*w);
        const int before = d.MissBox->count();
        d.DeleteMiss->click();
        d.DeleteComp->click();
        QCOMPARE(w.prompts.withCaption(QStringLiteral("Error")),
                 QStringList(2, QStringLiteral("No item selected for deletion.  Please correct.")));
        QCOMPARE(d.MissBox->count(), before);

        d.MissBox->setCurrentRow(0);
        const QString second = d.MissBox->item(1)->text();
        d.DeleteMiss->click();
        QCOMPARE(d.MissBox->count(), before - 1);
        QCOMPARE(d.MissBox->item(0)->text(), second);

        // Nothing stays selected: a second Delete asks again instead of removing the neighbour.
        QVERIFY(d.MissBox->selectedItems().isEmpty());
        d.DeleteMiss->click();
        QCOMPARE(d.MissBox->count(), before - 1);
        QCOMPARE(w.prompts.withCaption(QStringLiteral("Error")).size(), 3);
    }

    void browseFillsTheEdits() {
        TestWindow w;
        TDoSounds d(w->settings(), w.prompts, w->screenSize(), &*w);
        w.prompts.fileAnswers.push_back(QStringLiteral("/x/done.wav"));
        d.BrowseComp->click();
        QCOMPARE(d.WordComplete->text(), QStringLiteral("/x/done.wav"));
        const QString missed = d.WordMissed->text();
        d.BrowseMiss->click();  // cancelled
        QCOMPARE(d.WordMissed->text(), missed);

        // Enter in an edit does nothing; on a button it presses that button.
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        d.WordMissed->setFocus();
        QTest::keyClick(d.WordMissed, Qt::Key_Return);
        QCOMPARE(w.prompts.count(QStringLiteral("open")), 2);
        QVERIFY(d.isVisible());
        d.BrowseMiss->setFocus();
        QTest::keyClick(d.BrowseMiss, Qt::Key_Return);
        QCOMPARE(w.prompts.count(QStringLiteral("open")), 3);
    }

    void saveStoresEverything() {
        TestWindow w;
        fillCorrectList(*w);
        TDoSounds d(w->settings(), w.prompts, w->screenSize(), &*w);
        // Down to two entries, reordered by deleting.
        while (d.CompBox->count() > 2) {
            d.CompBox->setCurrentRow(0);
            d.DeleteComp->click();
        }
        const QString longPath = QStringLiteral("/") + QString(300, QLatin1Char('p'));
        w.prompts.fileAnswers.push_back(longPath);
        d.AddMiss->click();
        d.UseSounds->setChecked(false);
        d.WordComplete->setText(longPath);
        d.WordMissed->setText(QStringLiteral("typed by hand.wav"));
        QSignalSpy accepted(&d, &QDialog::accepted);
        d.SaveButton->click();
        QCOMPARE(accepted.count(), 1);

        const Settings& s = w->settings();
        QCOMPARE(s.CorrectLetterCount, 2);
        QCOMPARE(s.CorrectLetterSounds[0], wave(24));
        QCOMPARE(s.CorrectLetterSounds[1], wave(25));
        for (int i = 2; i < Settings::kSoundSlots; ++i) {
            QVERIFY(s.CorrectLetterSounds[static_cast<std::size_t>(i)].isEmpty());
        }
        QCOMPARE(s.MissedLetterCount, 6);
        QCOMPARE(s.MissedLetterSounds[5], longPath.left(255));
        QCOMPARE(s.CorrectWordSound, longPath.left(255));
        QCOMPARE(s.MissedWordSound, QStringLiteral("typed by hand.wav"));
        QVERIFY(!s.UseSound);

        // Written to the file; the lists survive sound being switched off.
        const Settings fresh = savedSettings(s);
        QVERIFY(!fresh.UseSound);
        QCOMPARE(fresh.CorrectLetterSounds[0], wave(24));
        QCOMPARE(fresh.MissedWordSound, QStringLiteral("typed by hand.wav"));
        QCOMPARE(fresh.MissedLetterCount, 6);
    }

    void cancelChangesNothing_data() { addClosingWays("cancel"); }

    void cancelChangesNothing() {
        QFETCH(QString, way);
        TestWindow w;
        SaveSettings(w->settings());
        const QByteArray file = readAll(w->settings().IniPath);
        QVERIFY(!file.isEmpty());
        const Settings before = w->settings();

        TDoSounds d(w->settings(), w.prompts, w->screenSize(), &*w);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        w.prompts.fileAnswers.push_back(QStringLiteral("/new.wav"));
        d.AddComp->click();
        d.MissBox->setCurrentRow(0);
        d.DeleteMiss->click();
        d.UseSounds->setChecked(false);
        d.WordComplete->clear();
        closeBy(d, way, d.Button1);
        QVERIFY(!d.isVisible());
        QCOMPARE(d.result(), int(QDialog::Rejected));

        const Settings& s = w->settings();
        QCOMPARE(s.UseSound, before.UseSound);
        QCOMPARE(s.CorrectLetterCount, before.CorrectLetterCount);
        QCOMPARE(s.MissedLetterCount, before.MissedLetterCount);
        QVERIFY(s.CorrectLetterSounds == before.CorrectLetterSounds);
        QVERIFY(s.MissedLetterSounds == before.MissedLetterSounds);
        QCOMPARE(s.CorrectWordSound, before.CorrectWordSound);
        QCOMPARE(readAll(s.IniPath), file);
    }

    void emptiedListComesBackWithDefaultsAfterRestart() {
        TestWindow w;
        TDoSounds d(w->settings(), w.prompts, w->screenSize(), &*w);
        while (d.CompBox->count() > 1) {
            d.CompBox->setCurrentRow(0);
            d.DeleteComp->click();
        }
        const QString kept = d.CompBox->item(0)->text();
        while (d.MissBox->count() > 0) {
            d.MissBox->setCurrentRow(0);
            d.DeleteMiss->click();
        }
        d.WordComplete->clear();
        d.WordMissed->clear();
        d.SaveButton->click();
        QCOMPARE(w->settings().CorrectLetterCount, 1);
        QCOMPARE(w->settings().MissedLetterCount, 0);
        QVERIFY(w->settings().CorrectWordSound.isEmpty());

        const Settings restarted = savedSettings(w->settings());
        QCOMPARE(restarted.CorrectLetterCount, 3);
        QCOMPARE(restarted.CorrectLetterSounds[0], kept);
        QCOMPARE(restarted.CorrectLetterSounds[1], restarted.ProgramDir + "/WINMUSIC.WAV");
        QCOMPARE(restarted.MissedLetterCount, 5);
        QCOMPARE(restarted.CorrectWordSound, restarted.ProgramDir + "/MUSIC1.WAV");
    }
};

ROPEWIT_TEST(TestSoundDialog)
#include "tst_sounddialog.moc"
