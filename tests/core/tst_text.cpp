#include "Testing.h"

#include "core/Text.h"

// The 8-bit form of text as it goes on the wire and into files.
class TestText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void eightBitTextRoundTrips() {
        QByteArray all;
        for (int b = 0; b < 256; ++b) {
            all.append(static_cast<char>(b));
        }
        QCOMPARE(text::toAnsi(text::fromAnsi(all)), all);
    }

    void textBeyondEightBitsIsReplacedSensibly_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("kept: Western letters")
            << QStringLiteral("CAF\u00C9 \u20AC") << QByteArray("CAF\xC9 \x80");
        QTest::newRow("accent dropped")
            << QStringLiteral("\u017BUBR \u0141\u0105ka") << QByteArray("ZUBR ?aka");
        QTest::newRow("symbol") << QStringLiteral("A\u2603B") << QByteArray("A?B");
        QTest::newRow("emoji is one character")
            << QStringLiteral("A\U0001F600B") << QByteArray("A?B");
        QTest::newRow("a lone surrogate") << QString(QChar(0xD800)) << QByteArray("?");
        QTest::newRow("a real question mark") << QStringLiteral("WHY?") << QByteArray("WHY?");
    }

    void textBeyondEightBitsIsReplacedSensibly() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(text::toAnsi(text), bytes);
    }
};

ROPEWIT_TEST(TestText)
#include "tst_text.moc"
