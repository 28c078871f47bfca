#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QtEndian>

#include "TestFiles.h"
#include "Testing.h"
#include "core/QtSoundPlayer.h"
#include "core/WaveFile.h"

namespace {

// A 16-bit mono PCM file of the given length at 22050 Hz.
QByteArray wave(int milliseconds, bool truncate = false) {
    const quint32 rate = 22050;
    const quint32 dataBytes = rate * 2 * milliseconds / 1000;
    QByteArray out("RIFF");
    auto u32 = [&out](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        out.append(b, 4);
    };
    auto u16 = [&out](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        out.append(b, 2);
    };
    u32(36 + dataBytes);
    out += "WAVEfmt ";
    u32(16);
    u16(1);
    u16(1);
    u32(rate);
    u32(rate * 2);
    u16(2);
    u16(16);
    out += "data";
    u32(dataBytes);
    out += QByteArray(truncate ? dataBytes / 4 : dataBytes, '\0');
    return out;
}

QString write(QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    writeAll(path, bytes);
    return path;
}

}  // namespace

class TestSound : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void durationComesFromTheHeader() {
        QTemporaryDir dir;
        QCOMPARE(waveDurationMs(write(dir, "a.wav", wave(400))), std::optional<int>(400));
        // A truncated file lasts as long as what it holds.
        QCOMPARE(waveDurationMs(write(dir, "t.wav", wave(400, true))), std::optional<int>(100));
        QVERIFY(!waveDurationMs(write(dir, "e.wav", QByteArray())));
        QVERIFY(!waveDurationMs(write(dir, "n.wav", "This is not a sound at all")));
        QVERIFY(!waveDurationMs(write(dir, "h.wav", wave(400).left(30))));
        QVERIFY(!waveDurationMs(dir.filePath("missing.wav")));
        // A chunk size pointing far past the end of the file.
        QByteArray bad = wave(100);
        qToLittleEndian<quint32>(0xFFFFFFF0u, bad.data() + 16);
        QVERIFY(!waveDurationMs(write(dir, "b.wav", bad)));
        // The shipped sounds are short real waves.
        for (const char* name : {"YEAH.WAV", "GIGGLE.WAV", "FLOOP.WAV", "TAPS.WAV"}) {
            const auto ms = waveDurationMs(QStringLiteral(ROPEWIT_PROGRAM_DIR "/") + name);
            QVERIFY2(ms && *ms > 0 && *ms < 2000, name);
        }
    }

    void unplayableFilesNeverBlock() {
        QTemporaryDir dir;
        QtSoundPlayer player;
        // A wait would run an event loop, which would fire this timer.
        bool waited = false;
        QTimer::singleShot(0, &player, [&waited] { waited = true; });
        for (const QString& path : {dir.filePath("missing.wav"), write(dir, "e.wav", QByteArray()),
                                    write(dir, "n.wav", "not a wave")}) {
            player.play(path, true);
            player.play(path, false);
            QVERIFY2(!waited, qPrintable(path));
        }
        // Waiting play is bounded by the length of the sound (a cut file's by what is there),
        // whatever the device does: this bound is the behaviour itself, so it stays, generous.
        QElapsedTimer timer;
        timer.start();
        const QString cut = write(dir, "t.wav", wave(300, true));
        player.play(cut, true);
        player.play(cut, false);
        player.play(write(dir, "s.wav", wave(200)), true);
        QVERIFY(timer.elapsed() < 5000);
    }
};

ROPEWIT_TEST(TestSound)
#include "tst_sound.moc"
