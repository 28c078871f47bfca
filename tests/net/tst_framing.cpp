#include "Testing.h"
#include "net/MessageFraming.h"

namespace {

QByteArray bytes(const char* data, qsizetype size) {
    return QByteArray(data, size);
}

QList<QByteArray> drain(MessageBuffer& buffer) {
    QList<QByteArray> out;
    while (auto message = buffer.take()) {
        out.append(*message);
    }
    return out;
}

}  // namespace

class TestFraming : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void frameWritesTwoDigitCodes() {
        for (int code = 1; code <= 14; ++code) {
            const QByteArray framed = framing::frame(code, "x");
            QCOMPARE(framed.size(), 4);
            QCOMPARE(framed.left(2), QByteArray::number(code).rightJustified(2, '0'));
            QCOMPARE(framed.back(), framing::kEndMark);
            const auto parsed = framing::parse(framed.chopped(1));
            QVERIFY(parsed);
            QCOMPARE(parsed->code, code);
            QCOMPARE(parsed->payload, QByteArray("x"));
        }
        QCOMPARE(framing::frame(4), QByteArray("04\x02"));
        QCOMPARE(framing::frame(123, "ab"), QByteArray("123ab\x02"));
    }

    void frameKeepsHighBytesAndDropsMarks() {
        QByteArray high;
        for (int c = 128; c < 256; ++c) {
            high.append(static_cast<char>(c));
        }
        high.append("\x01\x03");  // separators of the matchmaking lists travel as they are
        MessageBuffer buffer;
        QVERIFY(buffer.append(framing::frame(1, high)));
        auto message = buffer.take();
        QVERIFY(message);
        QCOMPARE(framing::parse(*message)->payload, high);

        // A typed end mark or zero byte must not split the message on the other side.
        const QByteArray framed = framing::frame(1, bytes("a\x02"
                                                          "07b\0c",
                                                          7));
        QCOMPARE(framed, QByteArray("01a07bc\x02"));
    }

    void parseSplitsCodeAndPayload() {
        QVERIFY(!framing::parse(""));
        QVERIFY(!framing::parse("7"));
        QCOMPARE(framing::parse("04")->code, 4);
        QCOMPARE(framing::parse("04")->payload, QByteArray());
        QCOMPARE(framing::parse("09012")->payload, QByteArray("012"));
        QCOMPARE(framing::parse("x1abc")->code, -1);
        QCOMPARE(framing::parse("1xabc")->code, -1);
        QCOMPARE(framing::parse(" 1abc")->code, -1);
        QCOMPARE(framing::parse("-1abc")->code, -1);
        QCOMPARE(framing::parse("99")->code, 99);
    }

    void severalMessagesInOneRead() {
        MessageBuffer buffer;
        QVERIFY(
            buffer.append(QByteArray("01Ann> hi\x02"
                                     "0205\x02"
                                     "04\x02"
                                     "12Ti")));
        QCOMPARE(drain(buffer), (QList<QByteArray>{"01Ann> hi", "0205", "04"}));
        QCOMPARE(buffer.pending(), QByteArray("12Ti"));
        QVERIFY(buffer.append(QByteArray("tle\x02")));
        QCOMPARE(drain(buffer), QList<QByteArray>{"12Title"});
        QVERIFY(buffer.isEmpty());
        // An empty message (two end marks in a row) is taken as an empty text.
        QVERIFY(buffer.append(QByteArray("\x02\x02")));
        QCOMPARE(drain(buffer), (QList<QByteArray>{"", ""}));
    }

    void messageSplitByteByByte() {
        const QByteArray wire = framing::frame(6, "WORD:a clue") + framing::frame(7, "E");
        MessageBuffer buffer;
        QList<QByteArray> got;
        for (char c : wire) {
            QVERIFY(buffer.append(&c, 1));
            got += drain(buffer);
        }
        QCOMPARE(got, (QList<QByteArray>{"06WORD:a clue", "07E"}));
    }

    void zeroByteEndsTheRead() {
        MessageBuffer buffer;
        QVERIFY(
            buffer.append(bytes("01ab\0cd\x02"
                                "02x\x02",
                                11)));
        QCOMPARE(buffer.pending(), QByteArray("01ab"));
        QVERIFY(buffer.take() == std::nullopt);
        QVERIFY(buffer.append(QByteArray("c\x02")));
        QCOMPARE(drain(buffer), QList<QByteArray>{"01abc"});
        // A read that begins with a zero byte adds nothing.
        QVERIFY(
            buffer.append(bytes("\0"
                                "05\x02",
                                4)));
        QVERIFY(buffer.isEmpty());
    }

    void overLongMessageIsDroppedAndSkipped() {
        MessageBuffer buffer(16);
        QVERIFY(buffer.append(QByteArray(16, 'a')));  // exactly the cap is still fine
        QVERIFY(!buffer.append("b", 1));
        QVERIFY(buffer.isEmpty());
        // The rest of the over-long message, up to its end mark, must not pass for a message.
        QVERIFY(buffer.append(QByteArray(40, 'c')));
        QVERIFY(
            buffer.append(QByteArray("05tail\x02"
                                     "07E\x02")));
        QCOMPARE(drain(buffer), QList<QByteArray>{"07E"});
        // Afterwards the buffer works as before.
        QVERIFY(buffer.append(QByteArray("0205\x02")));
        QCOMPARE(drain(buffer), QList<QByteArray>{"0205"});

        // clear() forgets a message being skipped (a new connection starts clean).
        QVERIFY(!buffer.append(QByteArray(17, 'x')));
        buffer.clear();
        QVERIFY(buffer.append(QByteArray("04\x02")));
        QCOMPARE(drain(buffer), QList<QByteArray>{"04"});
    }

    void overflowKeepsCompleteMessages() {
        MessageBuffer buffer(16);
        // Complete messages do not count against the cap, only the unfinished one does.
        QVERIFY(
            buffer.append(QByteArray("01aaaaaaaaaaaaaaaaaaaa\x02"
                                     "0212")));
        QCOMPARE(buffer.pending().size(), 27);
        QVERIFY(!buffer.append(QByteArray(20, 'z')));
        QCOMPARE(drain(buffer), QList<QByteArray>{"01aaaaaaaaaaaaaaaaaaaa"});
        QVERIFY(buffer.isEmpty());

        // One read holding a message and then too long a tail keeps the message.
        MessageBuffer other(4);
        QVERIFY(
            !other.append(QByteArray("04\x02"
                                     "0123456789")));
        QCOMPARE(drain(other), QList<QByteArray>{"04"});
        QVERIFY(
            other.append(QByteArray("9\x02"
                                    "03x\x02")));
        QCOMPARE(drain(other), QList<QByteArray>{"03x"});
    }

    void takeBetweenAppendsKeepsOrder() {
        // What a modal box inside a message's action looks like: the outer reader has taken
        // one message, the inner reader appends and takes the rest, the outer goes on.
        MessageBuffer buffer;
        QVERIFY(
            buffer.append(QByteArray("08Ann\x02"
                                     "11")));
        QList<QByteArray> seen;
        seen.append(*buffer.take());
        QVERIFY(
            buffer.append(QByteArray("1\x02"
                                     "01Ann> go\x02")));
        seen += drain(buffer);  // inner run
        seen += drain(buffer);  // outer run resumes: nothing twice
        QCOMPARE(seen, (QList<QByteArray>{"08Ann", "111", "01Ann> go"}));
    }

    void manySmallMessagesStayCheap() {
        // A quarter of a million tiny messages; taking them one by one must not move the
        // rest of the buffer each time (that would be tens of gigabytes of copying).
        QByteArray wire;
        while (wire.size() < 1024 * 1024) {
            wire += framing::frame(7, "A");
        }
        MessageBuffer buffer(2 * 1024 * 1024);
        QVERIFY(buffer.append(wire));
        qsizetype count = 0;
        while (buffer.take()) {
            ++count;
        }
        QCOMPARE(count, wire.size() / 4);
        QVERIFY(buffer.isEmpty());
    }
};

ROPEWIT_TEST(TestFraming)
#include "tst_framing.moc"
