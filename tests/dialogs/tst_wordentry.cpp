// The word entry dialog: the checks on the word, the length rule, the clue, and that no
// way of closing gets past the checks.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

#include "ScriptedPrompts.h"
#include "Testing.h"
#include "dialogs/TGetTheWord.h"

namespace {

const QString kNoWord = QStringLiteral("No word entered.  Please correct");
const QString kBadLength = QStringLiteral("Invalid length of word entered.  Please correct");
const QString kBadChar =
    QStringLiteral("An invalid character has be used in the word.  Please correct");
const QString kUnsendable =
    QString::fromUtf8("The letter ł cannot be sent to your opponent.  Please correct");

Settings makeSettings(bool sameLength, bool hints) {
    Settings s;
    s.SameWordLength = sameLength;
    s.UseHints = hints;
    return s;
}

}  // namespace

class TstWordEntry : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void checks_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("sameLength");
        QTest::addColumn<int>("wordsPlayed");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("word");

        QTest::newRow("blanks, length rule")
            << "     " << true << 0 << QStringList{kNoWord, kBadLength} << QString();
        QTest::newRow("blanks, no rule")
            << "   " << false << 0 << QStringList{kNoWord} << QString();
        QTest::newRow("inner space counts")
            << "ice cream" << true << 5 << QStringList{} << "ice cream";
        QTest::newRow("ice cream is not 8")
            << "ice cream" << true << 4 << QStringList{kBadLength} << QString();
        QTest::newRow("outer spaces trimmed") << "  CAT  " << false << 0 << QStringList{} << "CAT";
        QTest::newRow("trimmed before length")
            << "  HOUSE  " << true << 6 << QStringList{} << "HOUSE";
        QTest::newRow("mixed case kept") << "MixEd" << false << 0 << QStringList{} << "MixEd";
        QTest::newRow("many bad characters, one box")
            << "it's-a:9" << false << 0 << QStringList{kBadChar} << QString();
        QTest::newRow("accented letter") << QString::fromUtf8("café") << false << 0 << QStringList{}
                                         << QString::fromUtf8("café");
        QTest::newRow("letter the wire cannot carry")
            << QString::fromUtf8("łódź") << false << 0 << QStringList{kUnsendable} << QString();
        QTest::newRow("tab is not a space")
            << "ab\tcd" << false << 0 << QStringList{kBadChar} << QString();
        QTest::newRow("length and characters, in order")
            << "AB1" << true << 0 << QStringList{kBadLength, kBadChar} << QString();
    }

    void checks() {
        QFETCH(QString, typed);
        QFETCH(bool, sameLength);
        QFETCH(int, wordsPlayed);
        QFETCH(QStringList, boxes);
        QFETCH(QString, word);

        const Settings s = makeSettings(sameLength, false);
        ScriptedPrompts prompts;
        TGetTheWord d(s, wordsPlayed, prompts);
        QSignalSpy finished(&d, &QDialog::finished);
        d.AWord->setText(typed);
        d.OK->click();

        QCOMPARE(prompts.messages(), boxes);
        QCOMPARE(prompts.withCaption(QStringLiteral("Error")).size(), boxes.size());
        const bool accepted = boxes.isEmpty();
        QCOMPARE(finished.size(), accepted ? 1 : 0);
        QCOMPARE(d.result(), accepted ? int(QDialog::Accepted) : int(QDialog::Rejected));
        if (accepted) {
            QCOMPARE(d.TheWord, word);
        }
    }

    void requiredLength() {
        ScriptedPrompts prompts;
        const Settings on = makeSettings(true, false);
        const struct {
            int wordsPlayed;
            int length;
        } cases[] = {{0, 6}, {1, 5}, {5, 9}};
        for (const auto& c : cases) {
            TGetTheWord d(on, c.wordsPlayed, prompts);
            QVERIFY(d.CheckLength);
            QCOMPARE(d.RequiredLength, c.length);
            QCOMPARE(d.Label1->text(),
                     QStringLiteral("Enter a %1 lettered word for your opponent").arg(c.length));
        }

        // No word played yet: a six-letter word passes.
        TGetTheWord six(on, 0, prompts);
        six.AWord->setText(QStringLiteral("BANANA"));
        six.OK->click();
        QCOMPARE(six.result(), int(QDialog::Accepted));
        QVERIFY(prompts.shown.empty());

        const Settings off = makeSettings(false, false);
        TGetTheWord free(off, 0, prompts);
        QVERIFY(!free.CheckLength);
        QCOMPARE(free.Label1->text(), QStringLiteral("Enter a word for your opponent"));
        free.AWord->setText(QStringLiteral("ZEBRAS AT NIGHT AND DAY"));
        QCOMPARE(free.AWord->text().size(), 15);
    }

    void clue() {
        const Settings s = makeSettings(false, true);
        ScriptedPrompts prompts;
        {
            TGetTheWord d(s, 0, prompts);
            QVERIFY(!d.Clue->isHidden());
            d.AWord->setText(QStringLiteral(" word "));
            d.OK->click();
            QCOMPARE(d.result(), int(QDialog::Accepted));
            QCOMPARE(d.TheWord, QStringLiteral("word:"));
        }
        {
            // Only spaces are trimmed from the clue, and its colons pass untouched.
            TGetTheWord d(s, 0, prompts);
            d.AWord->setText(QStringLiteral("Moon"));
            d.Clue->setText(QStringLiteral("  it's a: 1/2 \t "));
            d.OK->click();
            QCOMPARE(d.TheWord, QStringLiteral("Moon:it's a: 1/2 \t"));
        }
        {
            TGetTheWord d(s, 0, prompts);
            d.AWord->setText(QStringLiteral("Moon"));
            d.Clue->setText(QString(400, QLatin1Char('x')));
            d.OK->click();
            QCOMPARE(d.TheWord.size(), 255);
            QVERIFY(d.TheWord.startsWith(QStringLiteral("Moon:xxx")));
        }
        {
            // A bad word is refused whatever the clue.
            TGetTheWord d(s, 0, prompts);
            d.Clue->setText(QStringLiteral("a clue"));
            d.OK->click();
            QCOMPARE(prompts.messages(), QStringList{kNoWord});
            QCOMPARE(d.result(), int(QDialog::Rejected));
        }
    }

    void withoutHints() {
        const Settings s = makeSettings(false, false);
        ScriptedPrompts prompts;
        TGetTheWord d(s, 0, prompts);
        QVERIFY(d.Clue->isHidden());
        QVERIFY(!d.Clue->isEnabled());
        QVERIFY(d.ClueLabel->isHidden());
        QCOMPARE(d.OK->y(), 54);
        QVERIFY(d.height() < 131);
        QVERIFY(d.OK->geometry().bottom() < d.height());

        d.AWord->setText(QStringLiteral("word"));
        d.Clue->setText(QStringLiteral("left over"));
        d.OK->click();
        QCOMPARE(d.TheWord, QStringLiteral("word"));
    }

    void everyWayOutIsChecked() {
        const Settings s = makeSettings(true, false);
        ScriptedPrompts prompts;
        TGetTheWord d(s, 1, prompts);  // one word played: 5 letters
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QSignalSpy finished(&d, &QDialog::finished);

        d.AWord->setText(QStringLiteral("TOO LONG"));
        QTest::keyClick(&d, Qt::Key_Escape);
        QCOMPARE(prompts.messages(), QStringList{kBadLength});
        QVERIFY(d.isVisible());

        QVERIFY(!d.close());
        QCOMPARE(prompts.messages(), (QStringList{kBadLength, kBadLength}));
        QVERIFY(d.isVisible());

        QTest::keyClick(d.AWord, Qt::Key_Return);
        QCOMPARE(prompts.messages().size(), 3);
        QVERIFY(d.isVisible());
        QCOMPARE(finished.size(), 0);

        // Enter presses Ok; a good word leaves with it.
        d.AWord->setText(QStringLiteral("SHORT"));
        QTest::keyClick(d.AWord, Qt::Key_Return);
        QVERIFY(!d.isVisible());
        QCOMPARE(finished.size(), 1);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.TheWord, QStringLiteral("SHORT"));
        QCOMPARE(prompts.messages().size(), 3);

        // Esc with a good word leaves too, with the word rather than a cancel.
        TGetTheWord e(s, 1, prompts);
        e.show();
        QVERIFY(QTest::qWaitForWindowExposed(&e));
        e.AWord->setText(QStringLiteral("Tiger"));
        QTest::keyClick(&e, Qt::Key_Escape);
        QVERIFY(!e.isVisible());
        QCOMPARE(e.result(), int(QDialog::Accepted));
        QCOMPARE(e.TheWord, QStringLiteral("Tiger"));
    }
};

ROPEWIT_TEST(TstWordEntry)
#include "tst_wordentry.moc"
